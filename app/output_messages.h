#pragma once

#include <QString>
#include <string>
#include <vector>

// The window's words for where an operation reads and writes: the question before files
// are replaced, and the lines added to a completion or a failure. Lines are joined by CR.

// "… already exists." and whether to replace it; several files are listed, the first few.
QString ReplaceQuestion(const std::vector<std::string>& existing);
// Added to a completion: the output file, or the folder and the first and last part.
QString WrittenOutputs(const std::vector<std::string>& paths);
// Added to a format failure: the input and the line where reading stopped.
QString StoppedAt(const QString& inputPath, long line);
