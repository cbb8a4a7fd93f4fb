#include "forms/measuredlabel.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QMovie>
#include <QMutex>
#include <QPicture>
#include <QPixmap>

#include <optional>
#include <utility>
#include <vector>

namespace {

struct Measures {
    std::optional<QSize> size;
    std::optional<QSize> minimum;
    // Heights for widths, the latest last.
    std::vector<std::pair<int, int>> heights;
};

// A window resized by hand asks for many widths; only the latest are kept.
const size_t kWidthsKept = 8;
// Labels that show changing texts would fill the table; it starts afresh
// beyond this many.
const qsizetype kLabelsKept = 256;

QMutex measuresMutex;

QHash<QByteArray, Measures>& measures() {
    static QHash<QByteArray, Measures> table;
    return table;
}

Measures& measuresFor(const QByteArray& key) {
    QHash<QByteArray, Measures>& table = measures();
    if (table.size() >= kLabelsKept && !table.contains(key)) {
        table.clear();
    }
    return table[key];
}

// The size kept in `slot` for the key, measured the first time it is asked
// for. A label without a key (one showing a picture) is always measured.
template <typename Measure>
QSize rememberedSize(const QByteArray& key, std::optional<QSize> Measures::*slot, Measure measure) {
    if (key.isEmpty()) {
        return measure();
    }
    {
        QMutexLocker lock(&measuresMutex);
        const auto known = measures().constFind(key);
        if (known != measures().constEnd() && ((*known).*slot)) {
            return *((*known).*slot);
        }
    }
    const QSize size = measure();
    QMutexLocker lock(&measuresMutex);
    measuresFor(key).*slot = size;
    return size;
}

} // namespace

MeasuredLabel::MeasuredLabel(QWidget* parent, Qt::WindowFlags flags) : QLabel(parent, flags) {}

MeasuredLabel::~MeasuredLabel() = default;

QByteArray MeasuredLabel::measureKey() const {
    if (!pixmap().isNull() || !picture().isNull() || movie()) {
        return {};
    }
    // The font as the system resolves it: the family and style matched, and
    // the metrics in pixels, so that another font installed for the same
    // name, or another resolution, is measured anew.
    const QFont& labelFont = font();
    const QFontInfo resolved(labelFont);
    const QFontMetricsF metrics(labelFont);
    const QMargins margins = contentsMargins();
    const int settings[] = {int(textFormat()), int(wordWrap()),
                            int(alignment()),  indent(),
                            margin(),          frameStyle(),
                            frameWidth(),      margins.left(),
                            margins.top(),     margins.right(),
                            margins.bottom(),  int(layoutDirection()),
                            maximumWidth(),    int(textInteractionFlags())};
    const qreal fontMetrics[] = {metrics.height(),           metrics.ascent(),   metrics.leading(),
                                 metrics.averageCharWidth(), metrics.maxWidth(), metrics.xHeight()};
    // Texts are stored with their lengths, so that no two sets of them read
    // alike.
    QByteArray key;
    for (const QString& piece :
         {text(), labelFont.key(), resolved.family(), resolved.styleName()}) {
        const qsizetype length = piece.size();
        key.append(reinterpret_cast<const char*>(&length), sizeof length);
        key.append(reinterpret_cast<const char*>(piece.utf16()), length * 2);
    }
    key.append(reinterpret_cast<const char*>(settings), sizeof settings);
    key.append(reinterpret_cast<const char*>(fontMetrics), sizeof fontMetrics);
    return key;
}

QSize MeasuredLabel::minimumSizeHint() const {
    // Polishing may set the font.
    ensurePolished();
    return rememberedSize(measureKey(), &Measures::minimum,
                          [this] { return QLabel::minimumSizeHint(); });
}

QSize MeasuredLabel::sizeHint() const {
    ensurePolished();
    return rememberedSize(measureKey(), &Measures::size, [this] { return QLabel::sizeHint(); });
}

int MeasuredLabel::heightForWidth(int width) const {
    ensurePolished();
    const QByteArray key = measureKey();
    if (key.isEmpty()) {
        return QLabel::heightForWidth(width);
    }
    {
        QMutexLocker lock(&measuresMutex);
        const auto known = measures().constFind(key);
        if (known != measures().constEnd()) {
            for (const auto& [w, h] : known->heights) {
                if (w == width) {
                    return h;
                }
            }
        }
    }
    const int height = QLabel::heightForWidth(width);
    QMutexLocker lock(&measuresMutex);
    std::vector<std::pair<int, int>>& heights = measuresFor(key).heights;
    if (heights.size() >= kWidthsKept) {
        heights.erase(heights.begin());
    }
    heights.emplace_back(width, height);
    return height;
}
