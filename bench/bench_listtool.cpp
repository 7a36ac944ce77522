// Times vantrel-list find over the search benchmarks' tree of 100,000 files in 2,000 folders and
// compares it with find(1) over the same tree, measured in the same run.

#include "bench/searchtree.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QElapsedTimer clock;
    clock.start();
    SearchTree::build(dir.path());
    std::printf("tree: %d files in %d folders, built in %.1f s\n", SearchTree::Files,
                SearchTree::Folders, clock.elapsed() / 1000.0);

    const QString tool = QStringLiteral(VANTREL_LIST);
    const QString list = dir.filePath(QStringLiteral("found.m3u"));
    QByteArray output;
    const double find = SearchTree::bestOfThree(
        QStringLiteral("find"), {dir.path(), QStringLiteral("-iname"), QStringLiteral("*.mp3")},
        output);
    const qsizetype names = output.count('\n');
    const double listed = SearchTree::bestOfThree(
        tool, {QStringLiteral("find"), dir.path(), QStringLiteral("-o"), QStringLiteral("-")},
        output);
    // The M3U header is a line of its own.
    const qsizetype entries = output.count('\n') - 1;
    const double saved = SearchTree::bestOfThree(
        tool, {QStringLiteral("find"), dir.path(), QStringLiteral("-o"), list}, output);
    const double findNothing = SearchTree::bestOfThree(
        QStringLiteral("find"), {dir.path(), QStringLiteral("-iname"), QStringLiteral("*.nothing")},
        output);
    const double listedNothing = SearchTree::bestOfThree(
        tool,
        {QStringLiteral("find"), dir.path(), QStringLiteral("-p"), QStringLiteral("*.nothing"),
         QStringLiteral("-o"), QStringLiteral("-")},
        output);

    std::printf("find -iname '*.mp3':                 %8.3f s  (%lld names)\n", find,
                static_cast<long long>(names));
    std::printf("vantrel-list find '*.mp3' -o -:      %8.3f s  (%lld entries)  ratio %.2fx find\n",
                listed, static_cast<long long>(entries), listed / find);
    std::printf("vantrel-list find '*.mp3' -o a.m3u:  %8.3f s  ratio %.2fx find\n", saved,
                saved / find);
    std::printf("find -iname '*.nothing':             %8.3f s\n", findNothing);
    std::printf("vantrel-list find '*.nothing' -o -:  %8.3f s  ratio %.2fx find\n", listedNothing,
                listedNothing / findNothing);
    return entries == names ? 0 : 1;
}
