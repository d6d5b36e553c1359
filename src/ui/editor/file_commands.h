// SPDX-License-Identifier: MIT
#pragma once
// The file commands both editors' File menus begin with, before the commands each was drawn
// with: Open and Open Folder, then the editing loop of a form that belongs to a file.

#include "ui/editor/editor_window.h"
#include "ui/helpers/window_helpers.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace keelwright {

// The items end with a separator.
inline void addFileCommands(QMenu* file, EditorWindow* editor) {
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("keelwright::FileCommands", text);
    };
    const struct {
        QString caption;
        const char* name;
        const char* keys;
        void (EditorWindow::*signal)();
    } commands[] = {
        {tr("&Open..."), "mnufileopen", "Ctrl+O", &EditorWindow::openRequested},
        {tr("Open &Folder..."), "mnufileopenfolder", "Ctrl+Shift+O",
         &EditorWindow::openFolderRequested},
        {tr("&Save"), "mnufilesave2", "Ctrl+S", &EditorWindow::saveRequested},
        {tr("Save &As..."), "mnufilesaveas", "Ctrl+Shift+S", &EditorWindow::saveAsRequested},
        {tr("Export &Changes"), "mnufilechanges", "Ctrl+Shift+E",
         &EditorWindow::exportChangesRequested},
    };
    for (const auto& c : commands)
        QObject::connect(addCommand(file, c.caption, c.name, c.keys), &QAction::triggered, editor,
                         c.signal);
    addNamedSeparator(file, "mnufileopensep");
}

} // namespace keelwright
