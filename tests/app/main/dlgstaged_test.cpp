#include "app/dialogs/dlgstaged.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>

#include "qtprint.h"

TEST(DlgStaged, ShowsTheCountAndEnablesTheFieldOnlyWithStages) {
    TDlgStaged single(1);
    EXPECT_EQ(single.windowTitle(), "Staged Construction Options");
    EXPECT_FALSE(single.stagedBox()->isChecked());
    EXPECT_FALSE(single.countField()->isEnabled());
    EXPECT_FALSE(single.upButton()->isEnabled());
    EXPECT_EQ(single.countField()->text(), "1");

    TDlgStaged staged(3);
    EXPECT_TRUE(staged.stagedBox()->isChecked());
    EXPECT_TRUE(staged.countField()->isEnabled());
    EXPECT_EQ(staged.stageCount(), 3);
}

TEST(DlgStaged, TickingStepsAndLimits) {
    TDlgStaged dialog(1);
    dialog.stagedBox()->click();
    EXPECT_EQ(dialog.countField()->text(), "2");
    EXPECT_TRUE(dialog.downButton()->isEnabled());
    dialog.downButton()->click();  // not below 2
    EXPECT_EQ(dialog.stageCount(), 2);
    for (int i = 0; i < 5; ++i) dialog.upButton()->click();  // not above 5
    EXPECT_EQ(dialog.stageCount(), 5);
    dialog.stagedBox()->click();
    EXPECT_EQ(dialog.stageCount(), 1);
    EXPECT_FALSE(dialog.countField()->isEnabled());
}

TEST(DlgStaged, OkHandsBackTheCount) {
    TDlgStaged dialog(2);
    QSignalSpy chosen(&dialog, &TDlgStaged::stageCountChosen);
    dialog.upButton()->click();
    dialog.show();
    QMetaObject::invokeMethod(&dialog, [&] {
        for (auto* button : dialog.findChildren<QAbstractButton*>())
            if (button->text() == "OK") button->click();
    });
    QCoreApplication::processEvents();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.first().first().toInt(), 3);
}
