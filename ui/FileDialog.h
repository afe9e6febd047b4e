#pragma once

#include <QString>

#include <functional>

class QWidget;

// A file asked for in the platform's dialog: the path, or empty when the
// user cancelled. `suggested` is a folder, or the file to save as.
enum class FileWanted { Open, Save };
QString AskForFile(QWidget* parent, FileWanted wanted, const QString& caption, const QString& suggested, const QString& filters);

// Replaces the dialog (tests answer it instead of a user); an empty function
// restores it. Returns the previous one.
using FileAnswer = std::function<QString(FileWanted wanted, const QString& suggested)>;
FileAnswer SetFileAnswer(FileAnswer answer);
