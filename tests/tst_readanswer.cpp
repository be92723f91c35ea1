// SPDX-License-Identifier: GPL-3.0-or-later
// Which blocks a read takes: only those awaited, each frame number once.

#include "emulatormodel.h"
#include "link/blocks.h"
#include "link/readanswer.h"

#include <QtTest>

class TestReadAnswer : public QObject
{
    Q_OBJECT

private slots:
    void blocksCountOnlyWhileAwaitedAndOnce()
    {
        const QVector<QByteArray> frames = readAnswer(demoModel()); // numbers 1..19 in order
        ReadAnswer answer;
        QCOMPARE(answer.offer(frames[1], 2), ReadAnswer::Offer::Unasked); // before any "RR"
        answer.begin();
        QCOMPARE(answer.awaitedNumbers(), 0xFFFFEu);
        for (int n = 1; n <= 18; ++n) QCOMPARE(answer.offer(frames[n - 1], n), ReadAnswer::Offer::Take);
        QCOMPARE(answer.offer(frames[4], 5), ReadAnswer::Offer::Repeat);
        QCOMPARE(answer.missing(), QVector<int>{19});
        QCOMPARE(answer.awaitedNumbers(), 1u << 19);
        QCOMPARE(answerGaps(answer), QString("frame 19 did not arrive"));
        QCOMPARE(answer.offer(frames[18], 19), ReadAnswer::Offer::Take);
        QVERIFY(answer.complete());
        QVERIFY(!answer.awaiting()); // complete: the next block is unasked again
        QCOMPARE(answer.offer(frames[1], 2), ReadAnswer::Offer::Unasked);
    }

    void aNumberThatComesBackOtherwiseLeavesTheAnswerIncomplete()
    {
        const QVector<QByteArray> frames = readAnswer(demoModel());
        ReadAnswer answer;
        answer.begin();
        QByteArray other = frames[2];
        other[4] = char(other.at(4) ^ 1);
        QCOMPARE(answer.offer(frames[2], 3), ReadAnswer::Offer::Take);
        QCOMPARE(answer.offer(other, 3), ReadAnswer::Offer::Conflict);
        for (int n = 1; n <= 19; ++n) answer.offer(frames[n - 1], n);
        QVERIFY(answer.missing().isEmpty());
        QVERIFY(!answer.complete());
        answer.askAgain();
        QVERIFY(answer.awaiting()); // asked again, the answer is still open
        QCOMPARE(answerGaps(answer), QString("frame 3 came twice with different values"));
        QCOMPARE(frameNumberList({4, 7, 17}), QString("4, 7 and 17"));
    }
};

QTEST_GUILESS_MAIN(TestReadAnswer)
#include "tst_readanswer.moc"
