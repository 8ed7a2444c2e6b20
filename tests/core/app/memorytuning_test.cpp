// The allocator setting must really reach glibc: a header order that hid
// __GLIBC__ once turned it into a silent no-op.
#include "app/memorytuning.h"

#include <QTest>
#include <cstdlib>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

class MemoryTuningTest : public QObject
{
    Q_OBJECT

private slots:
    void freedSmallBlocks_stayOutOfFastBins()
    {
#if !defined(__GLIBC__)
        QSKIP("not glibc");
#else
        TuneMemoryAllocator();
        std::vector<void *> blocks;
        for (int i = 0; i < 5000; ++i)
            blocks.push_back(std::malloc(40));
        for (void *block : blocks)
            std::free(block);
        QCOMPARE(mallinfo2().fsmblks, size_t(0));
#endif
    }
};

QTEST_GUILESS_MAIN(MemoryTuningTest)
#include "memorytuning_test.moc"
