#include "layout/layoutcheck.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTextDocument>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>

namespace {

// Title bar and borders of a window on a common desktop, which the window's
// own size leaves out.
const QSize kWindowFrame(16, 40);

QString textOf(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        return label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        return button->text();
    }
    if (auto* group = qobject_cast<const QGroupBox*>(w)) {
        return group->title();
    }
    if (auto* field = qobject_cast<const QLineEdit*>(w)) {
        return field->text();
    }
    if (auto* combo = qobject_cast<const QComboBox*>(w)) {
        return combo->currentText();
    }
    return QString();
}

QString describe(const QWidget* w) {
    QString text = textOf(w).simplified();
    if (text.size() > 50) {
        text = text.left(47) + QStringLiteral("...");
    }
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QLatin1String(w->metaObject()->className()), w->objectName(), text);
}

QString sizeText(const QSize& size) {
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

bool narrower(const QSize& have, const QSize& need) {
    return have.width() < need.width() || have.height() < need.height();
}

bool isRich(const QLabel* label) {
    return label->textFormat() == Qt::RichText ||
           (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

// Labels whose height depends on their width: word-wrapped and rich texts,
// whether or not their size policy tells the layout so.
bool isWrapped(const QWidget* w) {
    auto* label = qobject_cast<const QLabel*>(w);
    return label != nullptr && (label->wordWrap() || isRich(label));
}

int countEmptyLines(const QString& text, bool atStart) {
    int lines = 0;
    if (atStart) {
        while (lines < text.size() && text.at(lines) == QLatin1Char('\n')) {
            ++lines;
        }
    } else {
        while (lines < text.size() && text.at(text.size() - 1 - lines) == QLatin1Char('\n')) {
            ++lines;
        }
    }
    return lines;
}

// How much of a wrapped label's text may be cut: its empty first and last
// lines, on the side(s) where the label's alignment lets the cut fall.
int allowedCut(const QLabel* label) {
    if (isRich(label)) {
        return 0;
    }
    const int leading = countEmptyLines(label->text(), true);
    const int trailing = countEmptyLines(label->text(), false);
    const Qt::Alignment vertical = label->alignment() & Qt::AlignVertical_Mask;
    int lines = 0;
    if (vertical & Qt::AlignTop) {
        lines = trailing;
    } else if (vertical & Qt::AlignBottom) {
        lines = leading;
    } else {
        lines = 2 * qMin(leading, trailing); // centred: the cut is shared by both ends
    }
    return lines * label->fontMetrics().lineSpacing();
}

// How many characters of the text the widget's font and its fallbacks have
// no glyph for: those are drawn as boxes.
int missingGlyphs(const QWidget* w) {
    QString text = textOf(w);
    if (auto* label = qobject_cast<const QLabel*>(w); label && isRich(label)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QTextLayout layout(text, w->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int missing = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        missing += static_cast<int>(std::count(glyphs.begin(), glyphs.end(), 0u));
    }
    return missing;
}

void checkText(QWidget* w, QStringList& problems) {
    if (const int missing = missingGlyphs(w)) {
        problems << QStringLiteral("%1: no glyph for %2 characters").arg(describe(w)).arg(missing);
    }
    const QSize need = w->minimumSizeHint();
    if (isWrapped(w)) {
        auto* label = static_cast<QLabel*>(w);
        const int height = label->heightForWidth(label->width());
        if (label->width() < need.width() || label->height() + allowedCut(label) < height) {
            problems << QStringLiteral("%1: %2 for a text of height %3 (%4 may be cut)")
                            .arg(describe(w), sizeText(w->size()))
                            .arg(height)
                            .arg(allowedCut(label));
        }
    } else if (need.isValid() && narrower(w->size(), need)) {
        problems << QStringLiteral("%1: %2, needs %3")
                        .arg(describe(w), sizeText(w->size()), sizeText(need));
    }
}

void checkInsideParent(QWidget* w, QWidget* window, QStringList& problems) {
    if (w == window) {
        return;
    }
    QWidget* parent = w->parentWidget();
    if (!parent->rect().contains(w->geometry())) {
        problems << QStringLiteral("%1 at %2,%3 (%4) reaches out of %5 (%6)")
                        .arg(describe(w))
                        .arg(w->x())
                        .arg(w->y())
                        .arg(sizeText(w->size()), describe(parent), sizeText(parent->size()));
    }
}

void checkLayout(QWidget* w, QStringList& problems) {
    QLayout* layout = w->layout();
    if (layout == nullptr) {
        return;
    }
    const QSize minimum = layout->totalMinimumSize();
    if (narrower(w->size(), minimum)) {
        problems << QStringLiteral("%1: %2, smaller than its layout's minimum %3")
                        .arg(describe(w), sizeText(w->size()), sizeText(minimum));
    }
}

bool holdsText(const QWidget* w) {
    // A label that shows a picture (the summary's symbol) is scaled to fit.
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        return !label->text().isEmpty();
    }
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w);
}

} // namespace

QStringList layoutProblems(QWidget* window, const QSize& screen) {
    QStringList problems;
    if (window->layout()) {
        window->layout()->activate();
    }
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window) && w != window) {
            continue;
        }
        if (holdsText(w)) {
            checkText(w, problems);
        }
        checkLayout(w, problems);
        checkInsideParent(w, window, problems);
    }
    if (screen.isValid()) {
        const QSize framed = window->size() + kWindowFrame;
        if (narrower(screen, framed)) {
            problems << QStringLiteral("%1: %2 with its frame does not fit a %3 screen")
                            .arg(describe(window), sizeText(framed), sizeText(screen));
        }
    }
    return problems;
}
