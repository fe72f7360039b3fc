// printer_impl.h — what stands behind a Printer: the QPrinter and the painter on its page (platform files only).
#pragma once

#include <QPainter>
#include <QPrinter>

#include "platform/printer.h"

namespace drz::platform {

struct Printer::Impl {
    explicit Impl(MainWindow& o) : owner(o), printer(QPrinter::HighResolution) {}

    MainWindow& owner;
    QPrinter printer;
    QPainter painter;
    bool failed = false;
};

}  // namespace drz::platform
