#include "label_release_rule.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace pelorine {

LabelReleaseRule::LabelReleaseRule(QWidget& window)
    : QObject(&window), window_(window) {}

void LabelReleaseRule::Bind(QWidget* label, std::function<void()> action) {
  actions_.insert(label, std::move(action));
}

void LabelReleaseRule::Watch(QWindow* window) {
  if (window != nullptr) window->installEventFilter(this);
}

bool LabelReleaseRule::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress &&
      event->type() != QEvent::MouseButtonDblClick &&
      event->type() != QEvent::MouseButtonRelease) {
    return QObject::eventFilter(watched, event);
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) {
    return QObject::eventFilter(watched, event);
  }
  QWidget* under = window_.childAt(
      window_.mapFromGlobal(mouse->globalPosition().toPoint()));
  if (event->type() != QEvent::MouseButtonRelease) {
    // Buttons take hold of the mouse and get their release themselves.
    press_kept_ = qobject_cast<QAbstractButton*>(under) != nullptr;
    return QObject::eventFilter(watched, event);
  }
  const bool kept = press_kept_;
  press_kept_ = false;
  const auto bound = actions_.constFind(under);
  if (!kept && bound != actions_.constEnd()) {
    // Copied, as the action may open a dialog whose loop re-enters here.
    const std::function<void()> action = bound.value();
    action();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace pelorine
