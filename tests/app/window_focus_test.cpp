// How the numeric fields follow the focus when it moves in ways other than the plain Tab: by
// the mouse, back from a real modal box, and away because a command disabled the field's group.
#include "window_test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>

namespace zelto::app {
namespace {

using testing::Find;
using testing::MessageBoxCatcher;

// A connected transmitter with real modal boxes, answered by a catcher where a test expects one.
class FieldFocus : public ::testing::Test, public testing::OnSimulator {
 public:
  explicit FieldFocus(int model = testing::kDastra2) : OnSimulator(model) {
    window.SetMessageBoxes(std::make_unique<ModalMessageBoxes>(window));
    Connect();
  }

  QLineEdit* Field(const char* name) const { return Find<QLineEdit>(window, name); }
  void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
  // Ctrl+A and the text, as a user types over whatever the field shows.
  void TypeOver(QLineEdit* field, const char* text) {
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, QString::fromUtf8(text));
  }
  void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
  // Does what raises a box, which the catcher closes, and hands back its text; then does what
  // the window manager does once the box has gone: the focus comes back to the window.
  QString Refused(const std::function<void()>& action) {
    QString text;
    {
      const MessageBoxCatcher box;
      action();
      EXPECT_TRUE(box.Shown());
      text = box.Text();
    }
    QApplication::setActiveWindow(&window);
    return text;
  }
};

class VelmorFieldFocus : public FieldFocus {
 public:
  VelmorFieldFocus() : FieldFocus(testing::kVelmor) {}
};

TEST_F(FieldFocus, AfterARefusedTextTheFieldClickedIntoStoresItsOwnQuantity) {
  Click(Field("RangeMin"));
  TypeOver(Field("RangeMin"), "5.5");
  EXPECT_EQ(Refused([&] { Click(Field("RangeMax")); }), "Неверный формат числа");
  ASSERT_EQ(QApplication::focusWidget(), Field("RangeMax"));
  TypeOver(Field("RangeMax"), "150");
  Key(Qt::Key_Return);
  EXPECT_EQ(window.Config().RngMin, -50);
  EXPECT_EQ(window.Config().RngMax, 150);
}

TEST_F(FieldFocus, AfterTwoRefusalsTheNextCorrectionPointStoresItsOwnQuantity) {
  Click(Field("SetZero"));
  TypeOver(Field("SetZero"), "12.5");
  Refused([&] { Key(Qt::Key_Return); });
  Refused([&] { Key(Qt::Key_Tab); });
  ASSERT_EQ(QApplication::focusWidget(), Field("SetFull"));
  TypeOver(Field("SetFull"), "50");
  Key(Qt::Key_Return);
  EXPECT_FLOAT_EQ(window.Config().TmpZero, 0.0f);
  EXPECT_FLOAT_EQ(window.Config().TmpFull, 50.0f);
}

TEST_F(VelmorFieldFocus, TabbingPastAReadOnlyCurrentAfterARefusalLeavesTheRangeAlone) {
  testing::Pick(*Find<QComboBox>(window, "TypeSensor_2"), testing::kTypeK);
  const int high = window.Config().RngMax;
  Click(Field("RangeMax"));
  TypeOver(Field("RangeMax"), "700.5");
  Refused([&] { Key(Qt::Key_Tab); });
  ASSERT_EQ(QApplication::focusWidget(), Field("CurrentMin"));
  Key(Qt::Key_Tab);
  EXPECT_EQ(window.Config().RngMax, high);
  EXPECT_EQ(window.Config().CrnMix, 4);
}

// The field the user moved to by Tab or by a click, once the box about the text left behind
// has gone: its text is selected, so that typing replaces it, and the refused text stays.
void ExpectTheMoveEntersTheNextField(FieldFocus& test, const char* from, const char* clicked) {
  QLineEdit* left = test.Field(from);
  test.Click(left);
  test.TypeOver(left, "abc");
  EXPECT_EQ(test.Refused([&] {
    if (clicked != nullptr) {
      test.Click(test.Field(clicked));
    } else {
      test.Key(Qt::Key_Tab);
    }
  }),
            "Неверный формат числа");
  auto* next = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(next, nullptr);
  ASSERT_NE(next, left);
  EXPECT_FALSE(next->text().isEmpty());
  EXPECT_EQ(next->selectedText(), next->text()) << next->objectName().toStdString();
  QTest::keyClicks(next, "17");
  EXPECT_EQ(next->text(), "17");
  EXPECT_EQ(left->text(), "abc");
}

TEST_F(VelmorFieldFocus, TheRangeFieldMovedToAfterARefusalIsSelected) {
  ExpectTheMoveEntersTheNextField(*this, "RangeMin", nullptr);
  ExpectTheMoveEntersTheNextField(*this, "RangeMin", "RangeMax");
}

TEST_F(FieldFocus, TheCorrectionFieldMovedToAfterARefusalIsSelected) {
  ExpectTheMoveEntersTheNextField(*this, "SetZero", nullptr);
  ExpectTheMoveEntersTheNextField(*this, "SetZero", "SetFull");
}

TEST_F(FieldFocus, AClickIntoAFieldSelectsItsTextAndASecondClickPlacesTheCaret) {
  Click(Field("RangeMin"));
  EXPECT_EQ(Field("RangeMin")->selectedText(), "-50");
  QTest::keyClicks(Field("RangeMin"), "0");
  EXPECT_EQ(Field("RangeMin")->text(), "0");

  QTest::mouseClick(Field("RangeMin"), Qt::LeftButton, {}, QPoint(2, 5));
  EXPECT_FALSE(Field("RangeMin")->hasSelectedText());
}

TEST_F(FieldFocus, AButtonWhosePressRaisedTheBoxIsNotLeftDown) {
  Click(Field("RangeMax"));
  TypeOver(Field("RangeMax"), "5.5");
  auto* write = Find<QPushButton>(window, "WriteToCom");
  Refused([&] { QTest::mousePress(write, Qt::LeftButton); });  // the box takes the release
  QCoreApplication::processEvents();
  EXPECT_FALSE(write->isDown());
}

TEST_F(FieldFocus, TypingLeftBehindByADisconnectIsStoredOrGivesWayToTheStoredValue) {
  QToolButton* device = Find<QToolButton>(window, "OpenDev");
  Click(Field("RangeMax"));
  TypeOver(Field("RangeMax"), "150");
  Click(device);  // the range group goes disabled under the caret
  EXPECT_EQ(window.Config().RngMax, 150);
  EXPECT_EQ(Field("RangeMax")->text(), "150");

  Click(device);
  Click(Field("RangeMax"));
  TypeOver(Field("RangeMax"), "1.5");
  testing::RecordMessages(window, shown);
  Click(device);
  EXPECT_TRUE(shown.isEmpty());  // nobody asked for this commit, so nobody is told
  EXPECT_EQ(Field("RangeMax")->text(), "150");
  EXPECT_EQ(window.Config().RngMax, 150);
}

}  // namespace
}  // namespace zelto::app
