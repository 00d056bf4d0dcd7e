#include "window/wayland_trace.h"

#include <QHash>
#include <QRegularExpression>
#include <QString>

namespace chartview::testing {

using namespace Qt::StringLiterals;

namespace {

// Each trace line starts with a timestamp in milliseconds.
const QRegularExpression kTraceLine(u"^\\[ *\\d+\\.\\d+\\] "_s);
// The requests and the event that tie a toplevel to its surface, its title and an output.
const QRegularExpression kGetXdgSurface(
    u"-> xdg_wm_base@\\d+\\.get_xdg_surface\\(new id xdg_surface@(\\d+), wl_surface@(\\d+)\\)"_s);
const QRegularExpression kGetToplevel(
    u"-> xdg_surface@(\\d+)\\.get_toplevel\\(new id xdg_toplevel@(\\d+)\\)"_s);
const QRegularExpression kSetTitle(u"-> xdg_toplevel@(\\d+)\\.set_title\\(\"(.*)\"\\)$"_s);
const QRegularExpression kSurfaceEnter(u" wl_surface@(\\d+)\\.enter\\(wl_output@"_s);

// Object ids as the trace names them; ids are reused only after a destroy, which a
// window that stays up never sends.
struct TraceIds {
    QHash<QString, QString> surfaceOfXdgSurface;
    QHash<QString, qsizetype> toplevelById;
    QHash<QString, qsizetype> toplevelBySurface;
};

void readTraceLine(const QString& line, TraceIds& ids, std::vector<TracedToplevel>& toplevels) {
    if (const auto match = kGetXdgSurface.match(line); match.hasMatch()) {
        ids.surfaceOfXdgSurface.insert(match.captured(1), match.captured(2));
    } else if (const auto match = kGetToplevel.match(line); match.hasMatch()) {
        const auto index = static_cast<qsizetype>(toplevels.size());
        toplevels.emplace_back();
        ids.toplevelById.insert(match.captured(2), index);
        ids.toplevelBySurface.insert(ids.surfaceOfXdgSurface.value(match.captured(1)), index);
    } else if (const auto match = kSetTitle.match(line); match.hasMatch()) {
        if (const auto found = ids.toplevelById.find(match.captured(1));
            found != ids.toplevelById.end()) {
            toplevels[static_cast<size_t>(*found)].title = match.captured(2).toStdString();
        }
    } else if (const auto match = kSurfaceEnter.match(line); match.hasMatch()) {
        if (const auto found = ids.toplevelBySurface.find(match.captured(1));
            found != ids.toplevelBySurface.end()) {
            toplevels[static_cast<size_t>(*found)].shown = true;
        }
    }
}

}  // namespace

std::vector<TracedToplevel> toplevelsIn(const QByteArray& trace) {
    std::vector<TracedToplevel> toplevels;
    TraceIds ids;
    for (const QByteArray& bytes : trace.split('\n')) {
        const QString line = QString::fromUtf8(bytes);
        if (kTraceLine.match(line).hasMatch()) {
            readTraceLine(line, ids, toplevels);
        }
    }
    return toplevels;
}

QByteArrayList linesBesidesTrace(const QByteArray& output) {
    QByteArrayList others;
    for (const QByteArray& line : output.split('\n')) {
        if (!line.isEmpty() && !kTraceLine.match(QString::fromUtf8(line)).hasMatch()) {
            others.append(line);
        }
    }
    return others;
}

}  // namespace chartview::testing
