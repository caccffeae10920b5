// The plain text edit and the memo: padding with zeros, the attached label, and how the
// memo keeps or lets go of Enter, Up and Down.
#include "controls/EForm.h"
#include "controls/MemoVorel.h"
#include "controls/VorelEdit.h"
#include "controls/FormFixture.h"

#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace k9;

namespace {

// A window with a field, the memo and another field, in that tab order.
struct Window
{
    TEForm form;
    QLineEdit *before = new QLineEdit(&form);
    TMemoVorel *memo = new TMemoVorel(&form);
    QLineEdit *after = new QLineEdit(&form);

    Window()
    {
        before->setObjectName(QStringLiteral("EAntes"));
        memo->setObjectName(QStringLiteral("MFalla"));
        after->setObjectName(QStringLiteral("EDespues"));
        auto *layout = new QVBoxLayout(&form);
        layout->addWidget(before);
        layout->addWidget(memo);
        layout->addWidget(after);
        memo->setFixedHeight(memo->fontMetrics().lineSpacing() * 4 + 12);
    }

    void typeInMemo(const QString &text)
    {
        for (QChar c : text) {
            if (c == u'\n')
                test::press(Qt::Key_Return);
            else
                QTest::keyClicks(memo, QString(c));
        }
    }
};

} // namespace

class TextEditsTest : public QObject
{
    Q_OBJECT

private slots:
    void codesArePaddedWithZeros_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded") << "123" << 8 << "00000123";
        QTest::newRow("full") << "12345678" << 8 << "12345678";
        QTest::newRow("empty stays empty") << "" << 8 << "";
        QTest::newRow("no length") << "123" << 32767 << "123";
    }
    void codesArePaddedWithZeros()
    {
        QFETCH(QString, text);
        QFETCH(int, maxLength);
        QFETCH(QString, expected);
        TEForm form;
        auto *code = new TVorelEdit(&form);
        auto *next = new QLineEdit(&form);
        auto *layout = new QVBoxLayout(&form);
        layout->addWidget(code);
        layout->addWidget(next);
        code->setFillCero(true);
        code->setMaxLength(maxLength);
        QVERIFY(test::showActive(&form));
        QVERIFY(test::focusOn(code));
        test::type(text);
        test::press(Qt::Key_Tab);
        QCOMPARE(code->text(), expected);
        QCOMPARE(code->cursorPosition(), 0);
    }

    void theAttachedLabelSitsAboveTheEdit()
    {
        QWidget parent;
        auto *edit = new TVorelEdit(&parent);
        edit->setObjectName(QStringLiteral("ECodigo"));
        edit->move(20, 60);
        edit->setLabelText(QStringLiteral("Código:"));
        QLabel *label = edit->attachedLabel();
        QCOMPARE(label->parentWidget(), &parent);
        QCOMPARE(label->buddy(), edit);
        QCOMPARE(label->x(), 20);
        QVERIFY(label->geometry().bottom() < edit->y());
        parent.show();
        QVERIFY(label->isVisible());
        edit->move(40, 100);
        QCOMPARE(label->x(), 40);
        QVERIFY(label->geometry().bottom() < 100);
        edit->hide();
        QVERIFY(!label->isVisible());
    }

    void enterInTheMemo()
    {
        Window w;
        w.memo->setMaxLineas(3);
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.memo));
        test::press(Qt::Key_Return); // on an empty line: on to the next field
        QVERIFY(w.after->hasFocus());

        QVERIFY(test::focusOn(w.memo));
        w.typeInMemo(QStringLiteral("uno\ndos\ntres"));
        QVERIFY(w.memo->hasFocus());
        QCOMPARE(w.memo->toPlainText(), QStringLiteral("uno\ndos\ntres"));
        test::press(Qt::Key_Return); // the third line of three
        QVERIFY(w.after->hasFocus());
        QCOMPARE(w.memo->document()->blockCount(), 3);
    }

    void upAndDownInTheMemo()
    {
        Window w;
        w.memo->setPlainText(QStringLiteral("uno\ndos\n\ncuatro"));
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.memo));
        QTextCursor c = w.memo->textCursor();
        c.setPosition(5); // "dos"
        w.memo->setTextCursor(c);
        test::press(Qt::Key_Up); // to "uno": still inside
        QVERIFY(w.memo->hasFocus());
        QCOMPARE(w.memo->textCursor().blockNumber(), 0);
        test::press(Qt::Key_Down); // the next line "dos" is not empty
        QVERIFY(w.memo->hasFocus());
        test::press(Qt::Key_Down); // the next line is empty: out
        QVERIFY(w.after->hasFocus());

        QVERIFY(test::focusOn(w.memo));
        c.setPosition(1);
        w.memo->setTextCursor(c);
        test::press(Qt::Key_Up); // from the first line: out, backwards
        QVERIFY(w.before->hasFocus());
    }

    void theMemoStopsWhenItsBoxIsFull()
    {
        Window w;
        QVERIFY(test::showActive(&w.form));
        QVERIFY(test::focusOn(w.memo));
        for (int i = 0; i < 10; ++i) {
            QTest::keyClicks(w.memo, QStringLiteral("linea"));
            test::press(Qt::Key_Return);
        }
        QVERIFY(w.memo->hasFocus());
        QVERIFY(!w.memo->isOverfull());
        const int lines = w.memo->document()->blockCount();
        QVERIFY2(lines >= 3 && lines <= 5, qPrintable(QString::number(lines)));
        QCOMPARE(w.memo->verticalScrollBar()->value(), 0);
    }
};

QTEST_MAIN(TextEditsTest)
#include "tst_textedits.moc"
