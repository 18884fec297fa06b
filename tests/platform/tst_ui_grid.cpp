// The grid model and view over a data set: the model's contract, its texts and
// colours, the row indicator, the current row kept in step both ways, and the
// wheel moving the current row by one.
#include "platform/ui/GridModel.h"
#include "platform/ui/GridView.h"
#include "platform/ui/WidgetBehaviour.h"
#include "tests/support/TestSupport.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

class tst_UiGrid : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<DataSet> m_ds; // tipus by name: Felnőtt, Ifjúsági, Kölyök, Nyugdíjas, Őstag

    static std::vector<GridColumn> columns()
    {
        GridColumn name{"Tipus_nev", "típus"};
        GridColumn colour{"szin", "szín", 60, Qt::AlignRight | Qt::AlignVCenter};
        colour.format = [](const QVariant &v) {
            return v.isNull() ? QStringLiteral("-") : v.toString() + " RGB";
        };
        colour.background = [](int row) { return row % 2 ? QColor(Qt::lightGray) : QColor(); };
        colour.foreground = [](int row) { return row == 0 ? QColor(Qt::red) : QColor(); };
        return {name, colour};
    }

private slots:
    void initTestCase() { installWidgetBehaviour(); }
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        Db::exec("INSERT INTO tipus (Tipus, Tipus_nev, szin) VALUES (1, 'Őstag', 255), (2, 'Felnőtt', NULL),"
                 "(3, 'Kölyök', 1), (4, 'Ifjúsági', 2), (5, 'Nyugdíjas', 3)");
        m_ds = std::make_unique<DataSet>();
        m_ds->setTable("tipus", "Tipus_nev");
        m_ds->open();
    }
    void cleanup()
    {
        m_ds.reset();
        m_folder.reset();
    }

    void modelKeepsTheContractThroughChanges()
    {
        GridModel model(m_ds.get());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setColumns(columns());
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.columnCount(), 2);
        m_ds->moveTo(3);
        m_ds->edit();
        m_ds->setValue("Tipus_nev", "Aranytag");
        m_ds->post(); // reload: the row moves to the top
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Aranytag"));
        m_ds->remove();
        QCOMPARE(model.rowCount(), 4);
        m_ds->close();
        QCOMPARE(model.rowCount(), 0);
        m_ds->open();
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable, Qt::ItemFlags());
    }

    void textsAlignmentAndColours()
    {
        GridModel model(m_ds.get());
        model.setColumns(columns());
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("típus"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("szín"));
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Felnőtt"));
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("-"));
        QCOMPARE(model.index(4, 1).data().toString(), QStringLiteral("255 RGB"));
        QCOMPARE(model.index(4, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(model.index(4, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(model.index(1, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::lightGray));
        QVERIFY(!model.index(0, 1).data(Qt::BackgroundRole).isValid());
        QCOMPARE(model.index(0, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        QVERIFY(!model.index(1, 1).data(Qt::ForegroundRole).isValid());
        // The sort column's colour wins over the column's own background.
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setSortColumn(1, colorFromBgr(0xB9FFFF));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.index(1, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xFF, 0xB9));
        QVERIFY(!model.index(1, 0).data(Qt::BackgroundRole).isValid());
    }

    void colourFromTheStoredValue_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("red") << 0x0000FF << QColor(255, 0, 0);
        QTest::newRow("blue") << 0xFF0000 << QColor(0, 0, 255);
        QTest::newRow("focus colour 15780518") << 15780518 << QColor(166, 202, 240);
    }
    void colourFromTheStoredValue()
    {
        QFETCH(int, stored);
        QFETCH(QColor, colour);
        QCOMPARE(colorFromBgr(stored), colour);
    }

    void rowIndicatorMarksTheCurrentRow()
    {
        GridModel model(m_ds.get());
        model.setColumns(columns());
        QCOMPARE(model.headerData(0, Qt::Vertical).toString(), GridModel::RowIndicator);
        QCOMPARE(model.headerData(2, Qt::Vertical).toString(), QString());
        QSignalSpy header(&model, &QAbstractItemModel::headerDataChanged);
        m_ds->moveTo(2);
        QCOMPARE(header.count(), 2); // the old row and the new one
        QCOMPARE(header.at(0).at(1).toInt(), 0);
        QCOMPARE(header.at(1).at(1).toInt(), 2);
        QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QString());
        QCOMPARE(model.headerData(2, Qt::Vertical).toString(), GridModel::RowIndicator);
    }

    void viewAndDataSetFollowEachOther()
    {
        GridModel model(m_ds.get());
        model.setColumns(columns());
        m_ds->moveTo(1);
        GridView view;
        view.setGridModel(&model);
        QCOMPARE(view.currentIndex().row(), 1); // taken at once
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        m_ds->moveTo(3);
        QCOMPARE(view.currentIndex().row(), 3);
        QCOMPARE(view.selectionModel()->selectedRows().size(), 1);
        QCOMPARE(view.selectionModel()->selectedRows().first().row(), 3);
        QTest::keyClick(&view, Qt::Key_Up);
        QCOMPARE(m_ds->currentRow(), 2);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(model.index(0, 1)).center());
        QCOMPARE(m_ds->currentRow(), 0);
        // A reload keeps the row in both.
        m_ds->moveTo(4);
        m_ds->refresh();
        QCOMPARE(view.currentIndex().row(), 4);
        QCOMPARE(view.selectionModel()->selectedRows().first().row(), 4);
    }

    void columnWidthsSurviveAReload()
    {
        GridModel model(m_ds.get());
        model.setColumns(columns());
        GridView view;
        view.setGridModel(&model);
        QCOMPARE(view.columnWidth(1), 60); // defined
        view.setColumnWidth(0, 150);       // changed by the user
        m_ds->refresh();
        QCOMPARE(view.columnWidth(0), 150);
        QCOMPARE(view.columnWidth(1), 60);
        QVERIFY(!view.horizontalHeader()->sectionsClickable());
        QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void wheelMovesTheCurrentRowByOne_data()
    {
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("row"); // from row 2
        QTest::newRow("away from the user") << 120 << 1;
        QTest::newRow("towards the user") << -120 << 3;
        QTest::newRow("zero turn") << 0 << 3;
        QTest::newRow("three notches in one event") << 360 << 1;
    }
    void wheelMovesTheCurrentRowByOne()
    {
        QFETCH(int, delta);
        QFETCH(int, row);
        GridModel model(m_ds.get());
        model.setColumns(columns());
        GridView view;
        view.setGridModel(&model);
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        view.setFocus();
        m_ds->moveTo(2);
        const QPointF at = view.visualRect(model.index(4, 0)).center(); // the wheel is over another row
        QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &wheel);
        QCOMPARE(m_ds->currentRow(), row);
        QCOMPARE(view.currentIndex().row(), row);
    }
};

QTEST_MAIN(tst_UiGrid)
#include "tst_ui_grid.moc"
