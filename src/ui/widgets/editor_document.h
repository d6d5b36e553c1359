// SPDX-License-Identifier: MIT
#pragma once
// What an editor knows of the form beyond its fields: the file it belongs to, the form as last
// sent to the game (the baseline Export Changes compares with), and the form as last saved.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>
#include <utility>

namespace keelwright {

struct EditorFile {
    QString path;      // empty: the form came from no file
    QByteArray digest; // of the bytes last read or written, to see another program's change
    std::size_t linesNotOnForm = 0; // lines of the file that saving the form would drop
    bool fromWindows1252 = false;   // read as Windows-1252; saving writes UTF-8
};

template <class Record> class EditorDocument {
public:
    const EditorFile& file() const { return file_; }
    const std::optional<Record>& baseline() const { return baseline_; }

    // Opened from or saved to `file`: the form is the file's, and what the game was sent.
    void tie(const Record& record, EditorFile file) {
        baseline_ = saved_ = record;
        file_ = std::move(file);
    }
    void exported(const Record& record) { baseline_ = record; }

    // Open asks first: the form differs from the design values and from what was last opened,
    // saved or exported.
    bool holdsEdits(const Record& now) const {
        return now != Record{} && now != baseline_.value_or(Record{});
    }
    // Quit and closing ask first: the form has a file and differs from what was last saved.
    bool holdsUnsavedEdits(const Record& now) const {
        return !file_.path.isEmpty() && saved_ && now != *saved_;
    }

private:
    EditorFile file_;
    std::optional<Record> baseline_;
    std::optional<Record> saved_;
};

} // namespace keelwright
