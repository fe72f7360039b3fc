// clock_control.h — the clock label over the screen: created once, its text set on the user-interface thread or
// posted from the clock thread.
#pragma once

#include <string>
#include <string_view>

#include "platform/colour.h"

namespace drz::platform {

class ClockControl {
public:
    virtual void CreateClockLabel(int x, int y, int width, int height, std::string_view text, std::string_view face,
                                  int points, Rgb background) = 0;
    virtual void SetClockText(std::string_view text) = 0;  // user-interface thread
    virtual void PostClockText(std::string text) = 0;      // any thread: delivered to the user-interface thread
    virtual std::string ClockText() const = 0;

protected:
    ~ClockControl() = default;
};

}  // namespace drz::platform
