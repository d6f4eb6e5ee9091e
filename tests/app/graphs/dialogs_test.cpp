#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "app/graphs/activelinesdialog.h"
#include "app/graphs/formatdialog.h"
#include "app/graphs/graphcaptiondialog.h"
#include "app/graphs/linenamesdialog.h"
#include "app/project/settingsstore.h"
#include "app/widgets/dataedit.h"

namespace {

QStringList texts(const QWidget& w) {
    QStringList out;
    for (const QLabel* l : w.findChildren<QLabel*>()) out << l->text();
    for (const QPushButton* b : w.findChildren<QPushButton*>()) out << b->text();
    for (const QRadioButton* r : w.findChildren<QRadioButton*>()) out << r->text();
    return out;
}

void expectTexts(const QWidget& w, const QStringList& expected) {
    const QStringList shown = texts(w);
    for (const QString& t : expected) EXPECT_TRUE(shown.contains(t)) << t.toStdString();
}

}  // namespace

TEST(TfrmLineNames, RefusesAnEmptyNameAndKeepsTheOldOne) {
    TfrmLineNames dialog({"Load #1", "Load #2", "Load #3"});
    QStringList shown;
    dialog.setMessageSink([&](const QString& m) { shown << m; });
    EXPECT_EQ(dialog.windowTitle(), "Legend");
    expectTexts(dialog, {"Select line to modify:", "Type new legend below:", "&OK", "&Cancel"});
    EXPECT_EQ(dialog.edLine()->text(), "Load #1");  // the first entry is selected

    dialog.lbLines()->setCurrentRow(1);
    EXPECT_EQ(dialog.edLine()->text(), "Load #2");
    EXPECT_EQ(dialog.edLine()->palette().color(QPalette::Text), QColor(0, 0, 255));
    dialog.edLine()->setText("");
    dialog.commitEdit();
    EXPECT_EQ(shown, QStringList{"The line must have a name!"});
    EXPECT_EQ(dialog.edLine()->text(), "Load #2");
    EXPECT_EQ(dialog.names(), (QStringList{"Load #1", "Load #2", "Load #3"}));

    dialog.edLine()->setText("Excavation to 3 m");
    dialog.commitEdit();
    EXPECT_EQ(dialog.names(), (QStringList{"Load #1", "Excavation to 3 m", "Load #3"}));
}

TEST(TfrmLineNames, StacksItsControlsOnResize) {
    TfrmLineNames dialog({"a"});
    dialog.show();
    dialog.resize(300, 400);
    QApplication::processEvents();
    EXPECT_GE(dialog.minimumWidth(), 195);
    EXPECT_GE(dialog.minimumHeight(), 167);
    EXPECT_EQ(dialog.lbLines()->x(), 10);
    EXPECT_EQ(dialog.lbLines()->width(), 280);
    EXPECT_GT(dialog.lbLines()->height(), 200);  // the list takes the remaining height
    EXPECT_LT(dialog.lbLines()->geometry().bottom(), dialog.edLine()->y());
}

TEST(TfrmActiveLines, MarkersTogglesAndActivateAll) {
    TfrmActiveLines dialog({"Stage: 1", "Stage: 2", "Stage: 3"}, {" yes : ", " no  : ", " yes : "});
    EXPECT_EQ(dialog.windowTitle(), "Active Curves");
    expectTexts(dialog, {"Select Curve to Active/Desactive", "Active :", "Curve",
                         "Activate/Deactivate Selected", "Activate All", "Deactivate All", "&OK",
                         "&Cancel"});
    QListWidget* list = dialog.lbLines();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), " yes :    Stage: 1");
    EXPECT_EQ(list->item(1)->text(), " no  :    Stage: 2");

    list->clearSelection();
    list->item(0)->setSelected(true);
    list->item(1)->setSelected(true);
    dialog.toggleSelected();
    EXPECT_EQ(dialog.markers(), (QStringList{" no  : ", " yes : ", " yes : "}));
    dialog.setAll(true);
    EXPECT_EQ(dialog.markers(), (QStringList{" yes : ", " yes : ", " yes : "}));
    dialog.setAll(false);
    EXPECT_EQ(list->item(2)->text(), " no  :    Stage: 3");
    EXPECT_EQ(TfrmActiveLines::Toggled("anything"), " yes : ");
}

TEST(TfrmGraphCaption, ShowsTitleAndLocation) {
    TfrmGraphCaption dialog("Wall A", false);
    EXPECT_EQ(dialog.windowTitle(), "Graph Caption");
    expectTexts(dialog, {"Enter Graph Caption", "Top", "Bottom", "&OK"});
    EXPECT_EQ(dialog.title(), "Wall A");
    EXPECT_FALSE(dialog.onTop());
    dialog.findChild<QRadioButton*>("rbTop")->setChecked(true);
    dialog.edtCaption()->setText("Wall B");
    EXPECT_EQ(dialog.title(), "Wall B");
    EXPECT_TRUE(dialog.onTop());
}

namespace {

// A first save, before any size was remembered.
void forgetSaveAttributes() { (*TSettingsGroup()).remove("Save Attributes"); }

}  // namespace

TEST(TdlgFormat, SizesTheBitmapFromInchesAndPixelsPerInch) {
    forgetSaveAttributes();
    QImage bitmap;
    TdlgFormat dialog(bitmap);
    EXPECT_EQ(dialog.windowTitle(), "Save Attributes");
    expectTexts(dialog,
                {"&Height (in)", "&Width (in)", "&Pixels Per Inch", "Black and White", "16 Colors",
                 "256 Colors", "High Color (16 bit)", "True Color (24 bit)", "OK", "Cancel"});
    const auto radios = dialog.findChildren<QRadioButton*>();
    for (const QRadioButton* r : radios) EXPECT_EQ(r->isChecked(), r->text() == "16 Colors");
    dialog.confirm();
    EXPECT_EQ(dialog.result(), TdlgFormat::Ok);
    EXPECT_EQ(bitmap.size(), QSize(432, 288));
    EXPECT_EQ(TdlgFormat::PixelSize(6.5, 4.25, 72), QSize(468, 306));
}

TEST(TdlgFormat, OffersTheSizeLastUsedAndShowsThePixelsAsTheUserTypes) {
    forgetSaveAttributes();
    QImage bitmap;
    {
        TdlgFormat first(bitmap);
        const auto* pixels = first.findChild<QLabel*>("PixelSize");
        ASSERT_NE(pixels, nullptr);
        EXPECT_EQ(pixels->text(), "Picture: 432 x 288 pixels");
        first.deWidth()->setText("10");
        first.dePPI()->setText("100");
        EXPECT_EQ(pixels->text(), "Picture: 1000 x 400 pixels");
        first.dePPI()->setText("1OO");
        EXPECT_EQ(pixels->text(), "Picture: -");
        first.dePPI()->setText("2*50");
        first.confirm();
        ASSERT_EQ(first.result(), TdlgFormat::Ok);
    }
    TdlgFormat second(bitmap);
    EXPECT_EQ(second.deWidth()->text(), "10");
    EXPECT_EQ(second.deHeight()->text(), "4");
    EXPECT_EQ(second.dePPI()->text(), "100");

    TdlgFormat cancelled(bitmap);  // only OK remembers
    cancelled.deWidth()->setText("3");
    cancelled.reject();
    EXPECT_EQ(TdlgFormat(bitmap).deWidth()->text(), "10");
}

TEST(TdlgFormat, AFieldThatChangesOrRefusesItsEntryKeepsTheDialogOpen) {
    forgetSaveAttributes();
    QImage bitmap;
    TdlgFormat dialog(bitmap);
    QStringList shown;
    dialog.setMessageSink([&](const QString& m) { shown << m; });
    dialog.deHeight()->setText("1");
    dialog.dePPI()->setText("72.5");
    dialog.confirm();
    EXPECT_EQ(shown, QStringList{"Height: Entry must be greater than or equal to 2"});
    EXPECT_EQ(dialog.deHeight()->text(), "2");
    dialog.confirm();
    EXPECT_EQ(shown.last(), "Pixels Per Inch: Entry must be an integer.");
    EXPECT_EQ(dialog.dePPI()->text(), "72.5");
    EXPECT_TRUE(bitmap.isNull());
    EXPECT_EQ(dialog.result(), TdlgFormat::Cancel);

    shown.clear();
    dialog.dePPI()->setText("5");
    dialog.deWidth()->setText("2*4");  // an expression, as every numeric entry
    dialog.confirm();
    EXPECT_EQ(shown, QStringList{"Pixels Per Inch: Entry must be greater than or equal to 10"});
    dialog.confirm();
    EXPECT_EQ(dialog.result(), TdlgFormat::Ok);
    EXPECT_EQ(bitmap.size(), QSize(80, 20));
}

TEST(TdlgFormat, APictureTooLargeReportsOutOfMemory) {
    forgetSaveAttributes();
    QImage bitmap(10, 10, QImage::Format_RGB32);
    TdlgFormat dialog(bitmap);
    dialog.setMessageSink([](const QString&) {});
    dialog.dePPI()->setText("2147483647");
    dialog.confirm();
    EXPECT_EQ(dialog.result(), TdlgFormat::OutOfMemory);
    EXPECT_EQ(bitmap.size(), QSize(10, 10));  // nothing changed
}
