// A saved rectangle of the screen.
#include "platform/canvas_impl.h"

namespace drz::platform {

Picture::Picture() = default;
Picture::~Picture() = default;
Picture::Picture(Picture&&) noexcept = default;
Picture& Picture::operator=(Picture&&) noexcept = default;

bool Picture::IsEmpty() const { return !data || data->image.isNull(); }
int Picture::Width() const { return IsEmpty() ? 0 : data->image.width(); }
int Picture::Height() const { return IsEmpty() ? 0 : data->image.height(); }

}  // namespace drz::platform
