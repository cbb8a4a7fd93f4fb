// The add-port wizard's page for an HTTP port: print server address, logical
// printer and encryption.
#pragma once

#include "forms/uiaddhttpport.h"

class AddHTTPPortWidget : public UIAddHTTPPort {
    Q_OBJECT
public:
    explicit AddHTTPPortWidget(QWidget* parent = nullptr, const char* name = nullptr,
                               Qt::WindowFlags flags = {});
    ~AddHTTPPortWidget() override;

    // Whether encrypted printing is chosen.
    bool isSecure() const;
};
