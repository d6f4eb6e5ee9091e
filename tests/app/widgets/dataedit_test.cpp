#include "app/widgets/dataedit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QTest>

#include "app/tables/unitstring.h"
#include "tests/app/main/qtprint.h"
#include "tests/app/main/scriptedprompts.h"

namespace {

struct DataEdit : ::testing::Test {
    TScriptedPrompts::TLog log;
    TScriptedPrompts prompts{log};
    QWidget window;

    TDataEdit* field(const QString& caption = QStringLiteral("Field")) {
        return new TDataEdit(caption, prompts, &window);
    }
    // Types the text and leaves the field through Enter.
    static void enter(TDataEdit& edit, const QString& text) {
        edit.selectAll();
        QTest::keyClicks(&edit, text);
        QTest::keyClick(&edit, Qt::Key_Return);
    }
};

TEST_F(DataEdit, LabelShowsTheUnitOfTheUnitSystem) {
    TDataEdit* height = field("&Free Height of Wall, H");
    EXPECT_EQ(height->editLabel()->text(), "&Free Height of Wall, H");
    height->setUnitsString("L2");
    struct Case {
        int units;
        QString label;
    } cases[] = {{kEnglishUnits, "&Free Height of Wall, H (ft)"},
                 {kSIUnits, "&Free Height of Wall, H (m)"},
                 {kGenericUnits, "&Free Height of Wall, H (L2)"}};
    for (const Case& c : cases) {
        height->setUnits(c.units);
        EXPECT_EQ(height->editLabel()->text(), c.label);
    }
    TDataEdit* load = field("Load");
    load->setUnitsString("F/L2^2");
    EXPECT_EQ(load->editLabel()->text(), "Load (lbs/ft^2)");
    load->setUnits(kSIUnits);
    EXPECT_EQ(load->editLabel()->text(), "Load (kN/m^2)");
}

TEST_F(DataEdit, ValuesOutsideTheLimitsAreReplacedByTheLimit) {
    struct Case {
        double min, max;
        QString typed;
        double value;
        QString message;
    } cases[] = {
        {1, 300, "400", 300, "Field: Entry must be less than or equal to 300"},
        {-45, 45, "50", 45, "Field: Entry must be less than or equal to 45"},
        {-45, 45, "-50", -45, "Field: Entry must be greater than or equal to -45"},
        {-1000000, 1000000, "2e6", 1000000, "Field: Entry must be less than or equal to 1000000"},
    };
    for (const Case& c : cases) {
        log.messages.clear();
        TDataEdit* edit = field();
        edit->setLimits(c.min, c.max);
        enter(*edit, c.typed);
        EXPECT_EQ(edit->value(), c.value) << c.typed.toStdString();
        EXPECT_EQ(edit->text(), QString::number(c.value, 'g', 10));
        EXPECT_EQ(log.messages, QStringList{c.message});
        EXPECT_TRUE(edit->validate());  // the limit now stands in the field
    }
}

TEST_F(DataEdit, EntriesAreEvaluated) {
    TDataEdit* edit = field();
    enter(*edit, "2*(3+1)");
    EXPECT_EQ(edit->value(), 8.0);
    EXPECT_EQ(edit->text(), "8");
    enter(*edit, "1/");
    EXPECT_EQ(log.messages,
              QStringList{"Field: Entry could not be evaluated:\rinvalid expression"});
    EXPECT_EQ(edit->value(), 8.0);
    EXPECT_EQ(edit->text(), "1/");
    EXPECT_FALSE(edit->validate());
}

TEST_F(DataEdit, IntegerOnlyRefusesFractionsAndNonNumbers) {
    TDataEdit* edit = field();
    edit->setIntegerOnly(true);
    enter(*edit, "2.5");
    enter(*edit, "abc");
    EXPECT_EQ(log.messages, QStringList({"Field: Entry must be an integer.",
                                         "Field: Entry must be a valid integer."}));
    enter(*edit, "6/2");
    EXPECT_EQ(edit->value(), 3.0);
}

TEST_F(DataEdit, LeavingTheFieldChecksAnEditedEntryAndNamesTheField) {
    TDataEdit* edit = field("&Increment Length");
    auto leave = [&](Qt::FocusReason reason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(edit, &out);
    };
    edit->selectAll();
    QTest::keyClicks(edit, "abc");
    leave(Qt::PopupFocusReason);  // a menu opening over the field is no leaving
    EXPECT_TRUE(log.messages.isEmpty());
    leave(Qt::TabFocusReason);
    EXPECT_EQ(log.messages, QStringList{"Increment Length: Entry could not be evaluated:\r"
                                        "invalid character(s) in expression"});
    EXPECT_EQ(edit->text(), "abc");

    log.messages.clear();
    edit->selectAll();
    QTest::keyClicks(edit, "2*3");
    leave(Qt::MouseFocusReason);
    EXPECT_EQ(edit->value(), 6.0);
    leave(Qt::TabFocusReason);  // nothing edited since: no second check
    EXPECT_TRUE(log.messages.isEmpty());
}

TEST_F(DataEdit, SettingANumberClampsIt) {
    TDataEdit* edit = field();
    edit->setLimits(1, 300);
    edit->setValue(0);
    EXPECT_EQ(edit->value(), 1.0);
    EXPECT_EQ(edit->text(), "1");
    EXPECT_TRUE(log.messages.isEmpty());
}

}  // namespace
