#include "link/port_table.h"

#include "link/port_number.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace zelto {
namespace {

std::vector<std::string> Labels(const PortTable& table) {
  std::vector<std::string> labels;
  for (const PortEntry& entry : table.Listed()) {
    labels.push_back(PortLabel(entry.number) + " " + entry.path);
  }
  return labels;
}

TEST(PortTable, BuiltInPortsKeepTheirNumbersAndAdaptersFollowInNameOrder) {
  PortTable table;
  table.Update({{"/dev/ttyUSB1", "FT232R"},
                {"/dev/ttyS2", ""},
                {"/dev/ttyACM0", "CDC"},
                {"/dev/ttyS0", ""},
                {"/dev/ttyUSB0", "CH340"}});
  EXPECT_EQ(Labels(table),
            (std::vector<std::string>{"COM1 /dev/ttyS0", "COM3 /dev/ttyS2", "COM4 /dev/ttyACM0",
                                      "COM5 /dev/ttyUSB0", "COM6 /dev/ttyUSB1"}));
  EXPECT_EQ(table.Listed()[3].description, "CH340");
}

TEST(PortTable, HandAddedPathsComeAfterTheSystemsPorts) {
  PortTable table;
  table.Update({{"/dev/ttyS0", ""}, {"/dev/ttyUSB0", ""}});
  EXPECT_EQ(table.Add("/dev/pts/7", "simulator"), 3);
  EXPECT_EQ(table.Add("/dev/ttyUSB0", "again"), 2);  // a known path keeps its number
  EXPECT_EQ(table.PathOf(3), "/dev/pts/7");
  EXPECT_EQ(table.PathOf(4), "");
}

TEST(PortTable, NumbersStayWhenDevicesComeAndGo) {
  PortTable table;
  table.Update({{"/dev/ttyS0", ""}, {"/dev/ttyUSB0", ""}});
  table.Add("/dev/pts/3", "simulator");
  table.Update({{"/dev/ttyS0", ""}, {"/dev/ttyACM0", ""}});  // USB0 unplugged, ACM0 plugged in
  EXPECT_EQ(Labels(table),
            (std::vector<std::string>{"COM1 /dev/ttyS0", "COM3 /dev/pts/3", "COM4 /dev/ttyACM0"}));
  table.Update({{"/dev/ttyS0", ""}, {"/dev/ttyUSB0", ""}, {"/dev/ttyACM0", ""}});
  EXPECT_EQ(table.Listed()[1].path, "/dev/ttyUSB0");
  EXPECT_EQ(table.Listed()[1].number, 2);
}

TEST(PortTable, BuiltInNumbersEndAt255) {
  PortTable table;
  table.Update({{"/dev/ttyS254", ""}, {"/dev/ttyS255", ""}});
  EXPECT_EQ(table.PathOf(255), "/dev/ttyS254");
  // COM256 cannot be; the device still gets a free number.
  ASSERT_EQ(table.Listed().size(), 2u);
  EXPECT_EQ(table.Listed()[0].path, "/dev/ttyS255");
  EXPECT_LT(table.Listed()[0].number, 255);
}

TEST(SelectedPortNumber, TakesTheNumberAfterThreeCharacters) {
  EXPECT_EQ(SelectedPortNumber("COM7"), 7);
  EXPECT_EQ(SelectedPortNumber("COM12"), 12);
  EXPECT_EQ(SelectedPortNumber("Сом16"), 16);  // Cyrillic letters count as one character each
  EXPECT_EQ(SelectedPortNumber("COM 3"), 3);
  EXPECT_EQ(SelectedPortNumber("xyz300"), 300);
}

TEST(SelectedPortNumber, RejectsWhatIsNotAnInteger) {
  const auto message = [](std::string_view text) {
    try {
      SelectedPortNumber(text);
    } catch (const std::invalid_argument& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message(""), "'' is not a valid integer value");
  EXPECT_EQ(message("CO"), "'' is not a valid integer value");
  EXPECT_EQ(message("Сом 1a"), "' 1a' is not a valid integer value");
  EXPECT_EQ(message("COMx"), "'x' is not a valid integer value");
  EXPECT_EQ(message("COM99999999999"), "'99999999999' is not a valid integer value");
}

}  // namespace
}  // namespace zelto
