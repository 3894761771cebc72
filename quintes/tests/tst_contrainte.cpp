#include <QTest>
class T : public QObject { Q_OBJECT private slots: void a(){} };
QTEST_MAIN(T)
#include "tst_contrainte.moc"
