#include "output_target.h"

namespace drz::tool {

Target OutputTarget(const Arguments& args) {
    const auto& p = args.positional;
    Target target{p[0], ParseSlot(p[1])};
    if (p.size() > 2) target.file = p[2];
    if (p.size() > 3) target.slot = ParseSlot(p[3]);
    return target;
}

}  // namespace drz::tool
