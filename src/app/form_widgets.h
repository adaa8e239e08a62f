#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace zelto::app {

// Small factories for the form: every control gets its name, text and owner in one line.

template <class Widget>
Widget* MakeNamed(const char* name, QWidget* parent) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QLatin1String(name));
  return widget;
}

QLabel* MakeLabel(const QString& text, QWidget* parent, const char* name = nullptr);

QComboBox* MakeList(const char* name, const QStringList& entries, QWidget* parent);

// A numeric entry field; the accessible name is what a screen reader speaks for it, taken from
// the visible labels around it.
QLineEdit* MakeNumberField(const char* name, const QString& accessibleName, QWidget* parent);

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent);

// A flat toggle button of the kind that sits down while its function is on.
QToolButton* MakeToggleButton(const char* name, const QString& caption, QWidget* parent,
                              const QString& hint = {});

// Brings the layouts from the widget up to its window up to date at once. Qt settles layouts
// through posted events, which a window not yet shown does not act on: it would be placed and
// first drawn at the size its controls had before the last change, whatever that cuts off.
void SettleLayoutsAbove(QWidget& widget);

}  // namespace zelto::app
