// A test's steps played into a dialog form as the events a player's mouse and keyboard would send.
#include "platform/dialog_steps.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtDebug>
#include <map>
#include <memory>

namespace drz::platform {

namespace {

QString Text(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QWidget* FocusOf(QDialog& form) { return form.focusWidget() ? form.focusWidget() : &form; }

void SendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    if (!target) return;
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void Click(QDialog& form, const std::string& name) {
    QWidget* control = form.findChild<QWidget*>(Text(name));
    if (!control) {
        qWarning("dialog step: no control named %s", name.c_str());
        return;
    }
    // Option buttons and check boxes answer clicks on their mark and caption only: aim at the mark.
    const bool marked = qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control);
    const QPointF centre = marked ? QPointF(6, control->height() / 2.0) : QRectF(control->rect()).center();
    const QPointF global = control->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &release);
}

void Type(QDialog& form, const std::string& text) {
    for (const QChar c : Text(text)) {
        const int key = c.isLetter() ? c.toUpper().unicode() : c.unicode();
        SendKey(FocusOf(form), key, QString(c));
    }
}

void PressNamedKey(QDialog& form, const std::string& name) {
    static const std::map<std::string, std::pair<int, QString>> keys = {
        {"Return", {Qt::Key_Return, "\r"}}, {"Enter", {Qt::Key_Enter, "\r"}},   {"Escape", {Qt::Key_Escape, "\x1b"}},
        {"Tab", {Qt::Key_Tab, "\t"}},       {"Backtab", {Qt::Key_Backtab, ""}}, {"Space", {Qt::Key_Space, " "}},
        {"Left", {Qt::Key_Left, ""}},       {"Right", {Qt::Key_Right, ""}},     {"Up", {Qt::Key_Up, ""}},
        {"Down", {Qt::Key_Down, ""}},
    };
    const auto key = keys.find(name);
    if (key == keys.end()) {
        qWarning("dialog step: no key named %s", name.c_str());
        return;
    }
    SendKey(FocusOf(form), key->second.first, key->second.second);
}

void SelectTab(QDialog& form, const std::string& index) {
    if (auto* tabs = form.findChild<QTabWidget*>()) tabs->setCurrentIndex(std::stoi(index));
}

void Play(QDialog& form, const DialogStep& step) {
    switch (step.kind) {
        case DialogStep::Kind::Click:
            Click(form, step.target);
            break;
        case DialogStep::Kind::Type:
            Type(form, step.target);
            break;
        case DialogStep::Kind::Key:
            PressNamedKey(form, step.target);
            break;
        case DialogStep::Kind::Close:
            form.close();
            break;
        case DialogStep::Kind::SelectTab:
            SelectTab(form, step.target);
            break;
    }
}

void PlayFrom(const QPointer<QDialog>& form, const std::shared_ptr<bool>& playing, std::vector<DialogStep> steps,
              std::size_t next) {
    if (!form || !*playing || !form->isVisible() || next >= steps.size()) return;
    Play(*form, steps[next]);
    QTimer::singleShot(0, form, [form, playing, steps = std::move(steps), next]() mutable {
        PlayFrom(form, playing, std::move(steps), next + 1);
    });
}

}  // namespace

std::shared_ptr<bool> PlayDialogSteps(QDialog& form, std::vector<DialogStep> steps) {
    auto playing = std::make_shared<bool>(true);
    QPointer<QDialog> target(&form);
    QTimer::singleShot(0, &form, [target, playing, steps = std::move(steps)]() mutable {
        PlayFrom(target, playing, std::move(steps), 0);
    });
    return playing;
}

}  // namespace drz::platform
