#pragma once

#include <QString>

namespace chartview {

// The text to give QWidget::setWindowTitle so that the window shows `caption` exactly:
// Qt reads "[*]" as a placeholder for the modified mark, and a doubled "[*][*]" as a
// literal "[*]".
QString literalWindowTitle(const QString& caption);

}  // namespace chartview
