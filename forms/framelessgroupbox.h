// A group box that only groups: it draws no frame, line or title and keeps no
// room for them, so its layout starts at its edges. The buttons in it stay one
// group (radio buttons are exclusive within it, and it is one group to a
// screen reader). A style sheet rule ("border: none") gives the same look, but
// every new application then sets up the style sheet machinery for the box and
// each of its children: about half a million instructions per wizard.
#pragma once

#include <QGroupBox>

class FramelessGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit FramelessGroupBox(QWidget* parent = nullptr);
    ~FramelessGroupBox() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
