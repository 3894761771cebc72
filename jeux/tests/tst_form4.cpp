#include <QTest>
class TestForm4 : public QObject { Q_OBJECT };
QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
