#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;
class QWindow;

namespace pelorine {

// Runs a label's action when the left button is released over it, wherever
// the press began, except on a control that keeps the mouse (a radio
// button). Qt hands the release to the widget that got the press, so the
// rule watches the top-level window, which sees each physical event once.
class LabelReleaseRule : public QObject {
 public:
  explicit LabelReleaseRule(QWidget& window);

  // Binds `action` to releases over `label`; a label bound to nothing runs
  // nothing.
  void Bind(QWidget* label, std::function<void()> action);
  // Starts watching once the window has its native window.
  void Watch(QWindow* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  QHash<QWidget*, std::function<void()>> actions_;
  bool press_kept_ = false;
};

}  // namespace pelorine
