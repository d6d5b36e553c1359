// SPDX-License-Identifier: MIT
#pragma once
// Files as Keelwright writes and watches them: replaced at once or not at all, and known again by
// a digest of their bytes.

#include <QByteArray>
#include <QString>

#include <optional>

namespace keelwright {

// Nothing on success; otherwise the reason, in the system's words where it gives one.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes);

// A file's bytes, one more than the largest command file at most, so that a file too large is
// still seen to be; nothing when it cannot be read.
std::optional<QByteArray> readFileBytes(const QString& path);

// A digest of a file's bytes, and of the file on disk now (nothing when it cannot be read).
QByteArray fileDigest(const QByteArray& bytes);
std::optional<QByteArray> digestOnDisk(const QString& path);

} // namespace keelwright
