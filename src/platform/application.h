// application.h — the toolkit's application object: fonts pinned to installed faces, German standard texts.
#pragma once

#include <memory>
#include <string>

namespace drz::platform {

class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The installed family a historic face name resolves to ("ARIAL" -> "Liberation Sans", ...).
    static std::string ResolvedFamily(const std::string& face);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace drz::platform
