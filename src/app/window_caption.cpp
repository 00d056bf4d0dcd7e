#include "app/window_caption.h"

namespace chartview {

using namespace Qt::StringLiterals;

QString literalWindowTitle(const QString& caption) {
    QString title = caption;
    return title.replace(u"[*]"_s, u"[*][*]"_s);
}

}  // namespace chartview
