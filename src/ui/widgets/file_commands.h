// SPDX-License-Identifier: MIT
#pragma once
// The file commands both editors' File menus begin with, before the commands each was drawn
// with: Open, then the editing loop of a form that belongs to a file.

#include "ui/widgets/window_helpers.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace keelwright {

// `Editor` has the signals openRequested, saveRequested, saveAsRequested and
// exportChangesRequested; the items end with a separator.
template <class Editor> void addFileCommands(QMenu* file, Editor* editor) {
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("keelwright::FileCommands", text);
    };
    const struct {
        QString caption;
        const char* name;
        const char* keys;
        void (Editor::*signal)();
    } commands[] = {
        {tr("&Open..."), "mnufileopen", "Ctrl+O", &Editor::openRequested},
        {tr("&Save"), "mnufilesave2", "Ctrl+S", &Editor::saveRequested},
        {tr("Save &As..."), "mnufilesaveas", "Ctrl+Shift+S", &Editor::saveAsRequested},
        {tr("Export &Changes"), "mnufilechanges", "Ctrl+Shift+E", &Editor::exportChangesRequested},
    };
    for (const auto& c : commands)
        QObject::connect(addCommand(file, c.caption, c.name, c.keys), &QAction::triggered, editor,
                         c.signal);
    addNamedSeparator(file, "mnufileopensep");
}

} // namespace keelwright
