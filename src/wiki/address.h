#pragma once
// Which wiki addresses Quillmark talks to: https only, but for a wiki on this machine
// (127.0.0.0/8, ::1, localhost), which may use plain http.

#include <QString>
#include <QUrl>
#include <optional>

namespace wiki::address {

// Why Quillmark will not send anything to url, or nothing when it will.
std::optional<QString> whyRefused(const QUrl &url);

bool isLoopback(const QUrl &url);

} // namespace wiki::address
