#pragma once
#include <QWidget>

namespace kelvo {

// A filled rectangle of the side menu; it does not react to the mouse.
class StepMarker : public QWidget {
  Q_OBJECT
public:
  explicit StepMarker(QWidget *parent = nullptr);
  QColor fill() const { return fill_; }
  void setFill(const QColor &colour);

protected:
  void paintEvent(QPaintEvent *) override;

private:
  QColor fill_;
};

} // namespace kelvo
