// A label that remembers its measurements for the process. QLabel lays out its
// whole text again for every size it is asked about; a word-wrapped
// explanation is measured about seven times before a page is first shown, and
// again in every window that shows the same text. The measurements depend only
// on the text, its format, the font as the system resolves it, the label's
// wrapping, alignment, indent and margins, and the asked width: the answers
// given before for the same of all these are answered again from memory. A
// label that shows a picture is measured by QLabel every time.
#pragma once

#include <QLabel>

class MeasuredLabel : public QLabel {
    Q_OBJECT
public:
    explicit MeasuredLabel(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~MeasuredLabel() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

private:
    // Everything the measurements depend on besides the width, or nothing
    // when the label is not to be measured from memory.
    QByteArray measureKey() const;
};
