#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The tree that the search benchmarks walk: 100,000 files in 2,000 folders, one file in ten an
// MP3, one name in three Chinese.
namespace SearchTree {

inline constexpr int TopFolders = 40;
inline constexpr int SubfoldersEach = 49; // 40 + 40 * 49 = 2,000 folders
inline constexpr int FilesPerFolder = 50; // 100,000 files
inline constexpr int Folders = TopFolders * (SubfoldersEach + 1);
inline constexpr int Files = Folders * FilesPerFolder;

void build(const QString &root);

// The best of three runs of a program, in seconds, and what it printed on its last run.
double bestOfThree(const QString &program, const QStringList &arguments, QByteArray &output);

} // namespace SearchTree
