// The checks that the fuzz targets run on each input. Each takes the raw input
// and returns what went wrong, or the empty text when every property held. The
// libFuzzer entry points abort on a failure; the replay test reports it.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// The port settings string: parseParams on arbitrary text, and the two
// compositions read back by parseParams through the wire form.
QString checkSettings(const uint8_t* data, size_t size);

// ConfigurePortUI against a scriptable port monitor whose size query and fetch
// answer with sizes and reply bytes from the input; the properties dialog is
// cancelled as soon as it shows. Needs prepareConfigureReply() once, after the
// toolkit application exists.
void prepareConfigureReply();
QString checkConfigureReply(const uint8_t* data, size_t size);

// normalizeHostAddress against the C library's sscanf, and correctPortText on
// a line edit that applies it on every text change. Needs a toolkit
// application.
QString checkRules(const uint8_t* data, size_t size);
