// The window program for Windows as an operator meets it: taviron.exe under Wine on a virtual
// display with a window manager, against the simulated switch on COM1, with keys and clicks sent
// through the X server and what the windows show read back with taviron-probe.
// scripts/test-windows.sh builds both programs and runs these tests in its Wine prefix.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/Desktop.h"
#include "tests/support/Process.h"
#include "tests/wine/WineWindows.h"
#include "views/DialogDesigns.h"

namespace taviron::test {
namespace {

constexpr int kWait = 20000;
// The program's first window: Wine starts its own services with the first program of a session,
// which takes a while on a loaded machine.
constexpr int kStartWait = 60000;

// An Intel HEX file of this many data records of 16 bytes, then its end.
std::string HexFile(int records) {
  std::string text;
  char line[64];
  for (int r = 0; r < records; ++r) {
    const int address = r * 16;
    unsigned sum = 16 + ((address >> 8) & 0xFF) + (address & 0xFF);
    std::snprintf(line, sizeof line, ":10%04X00", address);
    text += line;
    for (int i = 0; i < 16; ++i) {
      const int byte = (r + i) & 0xFF;
      sum += static_cast<unsigned>(byte);
      std::snprintf(line, sizeof line, "%02X", byte);
      text += line;
    }
    std::snprintf(line, sizeof line, "%02X\r\n", (0x100 - (sum & 0xFF)) & 0xFF);
    text += line;
  }
  return text + ":00000001FF\r\n";
}

// A Linux path as Wine's drive Z: shows it.
std::string OnDriveZ(const std::filesystem::path& path) {
  std::string windows = "Z:" + path.string();
  std::replace(windows.begin(), windows.end(), '/', '\\');
  return windows;
}

class WindowProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string missing = WineProgram::Missing();
    ASSERT_TRUE(missing.empty()) << missing << ": run these tests through scripts/test-windows.sh";
    // A window manager that did not come up on a loaded machine gets a second display.
    for (int attempt = 0; attempt < 2 && !(desktop_ && desktop_->Ready()); ++attempt)
      desktop_ = std::make_unique<Desktop>();
    ASSERT_TRUE(desktop_->Ready());
  }

  // The main window once the refresh that fills it has ended (with the link state in the status
  // bar) and it has the keyboard.
  std::optional<ProbedWindow> MainWindowShowing(WineProgram& wine, const std::string& status,
                                                int timeoutMs = kWait, SwitchSim* sim = nullptr) {
    std::optional<ProbedWindow> main;
    if (wine.WaitForText("TAVIRON", "StatusBar1", status, timeoutMs))
      main = wine.WaitForActive("TAVIRON", kWait);
    if (!main) {
      std::string heard;
      if (sim != nullptr) {
        for (const std::string& line : sim->Lines())
          heard += line + " ";
      }
      ADD_FAILURE() << "no main window showing " << status << "; taviron.exe " << wine.Running()
                    << "; the switch heard: " << heard << "; " << wine.Look().Summary();
    }
    return main;
  }

  void Keys(const std::vector<std::string>& keys) {
    for (const std::string& key : keys)
      desktop().Keys(key);
  }

  Desktop& desktop() { return *desktop_; }

  std::unique_ptr<Desktop> desktop_;
};

// The design's inputs each follow a label that names them for a screen reader, and its inputs
// and buttons stand in its order, which is the order Tab visits them in.
void ExpectAsDesigned(const ProbedWindow& window, const FormDesign& form) {
  std::vector<std::string> designed;
  for (const FormRow& row : form.rows) {
    for (const ControlDesign& c : row.controls) {
      if (c.kind == ControlKind::kLabel || c.kind == ControlKind::kProgress) continue;
      designed.emplace_back(c.name);
      const ProbedControl probed = window.Control(std::string(c.name));
      EXPECT_EQ(probed.name, c.name) << form.name;
      if (!c.accessibleName.empty()) {
        EXPECT_EQ(probed.label, c.accessibleName) << c.name;
      }
      if (c.kind == ControlKind::kButton) {
        EXPECT_EQ(probed.text, c.text) << c.name;
      }
    }
  }
  std::vector<std::string> shown;
  for (const ProbedControl& c : window.controls) {
    if (std::find(designed.begin(), designed.end(), c.name) != designed.end())
      shown.push_back(c.name);
  }
  EXPECT_EQ(shown, designed) << form.name;
}

TEST_F(WindowProgramTest, StartsWithTheSwitchsValuesAndWritesItsSettingsOnClose) {
  SwitchSim sim({"--fw-version", "02.15", "--port-modes", "36555550", "--relay", "0"});
  WineProgram wine(desktop(), sim.Device());
  auto program = wine.Start();

  std::optional<ProbedWindow> main = MainWindowShowing(wine, "Connected", kStartWait, &sim);
  ASSERT_TRUE(main);
  wine.Screenshot("main-window");
  EXPECT_EQ(main->Control("Lb_fw_ver").text, "02.15");
  EXPECT_EQ(main->Control("Lb_th_count").text, "Normal");
  EXPECT_EQ(main->Control("Lb_fw_state").text, "Normal");
  EXPECT_EQ(main->Control("Lb_relay").text, "OFF");
  EXPECT_FALSE(main->Control("Label6").Visible());
  const struct {
    const char* speed;
    const char* duplex;
  } ports[] = {{"100Mbps", "Full"}, {"Disable", ""}, {"Auto", ""}, {"Auto", ""},
               {"Auto", ""},        {"Auto", ""},    {"Auto", ""}, {"10Mbps", "Half"}};
  for (int n = 1; n <= 8; ++n) {
    EXPECT_EQ(main->Control("Lb_link" + std::to_string(n)).text, ports[n - 1].speed) << n;
    EXPECT_EQ(main->Control("Lb_dup" + std::to_string(n)).text, ports[n - 1].duplex) << n;
  }
  // The connected layout: connecting and choosing the port are over, the rest can be done.
  ProbedWindows seen = wine.Look();
  EXPECT_FALSE(seen.Button(1).enabled);
  EXPECT_EQ(seen.Button(1).image, 51);
  EXPECT_TRUE(seen.Button(2).enabled);
  EXPECT_EQ(seen.Button(4).image, 46);
  // Each button's hint is its tooltip.
  for (const auto& [number, hint] : {std::pair{6, "Port"}, std::pair{5, "Reset"}}) {
    wine.HoverToolButton(number);
    EXPECT_TRUE(wine.WaitUntil(
        [hint = std::string(hint)](const ProbedWindows& w) {
          std::optional<ProbedWindow> tip = w.Titled(hint);
          return tip && tip->kind == "tooltips_class32";
        },
        kWait))
        << hint;
  }

  // A second copy ends at once with status 1, showing nothing.
  auto second = wine.Start();
  EXPECT_EQ(second->Wait(kWait), 1);

  // File > Close from the keyboard: the shutdown writes the settings beside the program.
  desktop().Activate(*desktop().WaitForWindow("TAVIRON", kWait));
  Keys({"alt+f", "c"});
  EXPECT_EQ(program->Wait(kWait), 0);
  const std::string settings = wine.Settings();
  EXPECT_NE(settings.find("[Serial]\nPort=0\n[Log]\nEnable=0\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("Width=391\n"), std::string::npos) << settings;
}

// Every dialog, opened from its menu with the keyboard and closed with Escape, then opened again
// (from its toolbar button where it has one) and closed with a click on its cancelling button.
TEST_F(WindowProgramTest, EveryDialogOpensFromItsMenuOrButtonAndClosesByKeyOrClick) {
  SwitchSim sim({"--mac", "00 80 C2 12 34 56"});
  WineProgram wine(desktop(), sim.Device());
  auto program = wine.Start();
  ASSERT_TRUE(MainWindowShowing(wine, "Connected", kStartWait, &sim));

  struct Case {
    const FormDesign& form;
    std::vector<std::string> menu;  // the keys that open it from the menu
    int toolButton;                 // 0: opened from the menu again
    const char* closer;             // the button a click closes it with
    const char* focused;            // what has the keyboard when it opens
  };
  const Case connected[] = {
      {kAboutForm, {"alt+h", "t"}, 0, "OKButton", "OKButton"},
      {kPortSetForm, {"alt+s", "p"}, 6, "Button_cancel", "Cmb_port1"},
      {kFactSetForm, {"alt+s", "d"}, 7, "Button_cancel", "Button_ok"},
      {kPassSetForm, {"alt+s", "u"}, 8, "Button_cansel", "Ed_pass1"},
      {kSuperPassInForm, {"alt+m", "e"}, 0, "Button_cansel", "Ed_pass"},
  };
  // Behind the maintenance gate, once it has admitted the operator.
  const Case maintenance[] = {
      {kFwUpdateForm, {"alt+m", "f"}, 0, "Button2", "Button_ok"},
      {kThClearForm, {"alt+m", "c"}, 0, "Button_cancel", "Button_ok"},
      {kMacSetForm, {"alt+m", "m"}, 0, "Button_cancel", "Ed_mac1"},
  };
  const Case disconnected[] = {
      {kSerialSetForm, {"alt+c", "s"}, 3, "Button_cansel", "ComboBox1"},
  };

  auto operate = [&](const Case& c) {
    const std::string title(c.form.caption);
    SCOPED_TRACE(title);
    Keys(c.menu);
    std::optional<ProbedWindow> window = wine.WaitForActive(title, kWait);
    ASSERT_TRUE(window);
    // A dialog that asks the switch first (MAC Address) gives the keyboard its input after the
    // reply: the look that counts is the one where the focus has settled.
    if (std::optional<ProbedWindows> settled = wine.WaitUntil(
            [&](const ProbedWindows& all) {
              std::optional<ProbedWindow> w = all.Titled(title);
              std::optional<ProbedControl> f = w ? w->Focused() : std::nullopt;
              return f && f->name == c.focused;
            },
            kWait)) {
      if (std::optional<ProbedWindow> w = settled->Titled(title)) window = w;
    }
    ExpectAsDesigned(*window, c.form);
    std::optional<ProbedControl> focused = window->Focused();
    EXPECT_EQ(focused ? focused->name : "nothing", c.focused);
    desktop().Keys("Escape");
    ASSERT_TRUE(wine.WaitUntilGone(title, kWait));
    ASSERT_TRUE(wine.WaitForActive("TAVIRON", kWait));

    if (c.toolButton != 0) {
      wine.ClickToolButton(c.toolButton);
    } else {
      Keys(c.menu);
    }
    window = wine.WaitForActive(title, kWait);
    ASSERT_TRUE(window);
    wine.Click(window->Control(c.closer));
    ASSERT_TRUE(wine.WaitUntilGone(title, kWait));
    ASSERT_TRUE(wine.WaitForActive("TAVIRON", kWait));
  };

  for (const Case& c : connected)
    operate(c);

  // The maintenance password admits the maintenance actions until the next connection.
  Keys({"alt+m", "e"});
  ASSERT_TRUE(wine.WaitForActive("Enter Maintenance Password", kWait));
  desktop().Type("qorplemt");
  desktop().Keys("Return");
  ASSERT_TRUE(wine.WaitUntilGone("Enter Maintenance Password", kWait));
  EXPECT_TRUE(std::filesystem::exists(wine.directory() / "LOG.TXT"));
  for (const Case& c : maintenance)
    operate(c);
  // The MAC address dialog shows the switch's address in its six boxes.
  Keys({"alt+m", "m"});
  std::optional<ProbedWindow> mac = wine.WaitForActive("MAC Address Setting", kWait);
  ASSERT_TRUE(mac);
  EXPECT_EQ(mac->Control("Ed_mac2").text, "80");
  EXPECT_EQ(mac->Control("Ed_mac6").text, "56");
  wine.Screenshot("mac-address");
  desktop().Keys("Escape");
  ASSERT_TRUE(wine.WaitUntilGone("MAC Address Setting", kWait));

  wine.ClickToolButton(2);  // COM Port Disconnect
  ASSERT_TRUE(MainWindowShowing(wine, "Disconnect"));
  for (const Case& c : disconnected)
    operate(c);
  // COM3 chosen with the keyboard and "Change": the shutdown keeps it in the settings.
  Keys({"alt+c", "s"});
  std::optional<ProbedWindow> serial = wine.WaitForActive("COM Port Setting", kWait);
  ASSERT_TRUE(serial);
  EXPECT_NE(serial->Control("Cmb_device").extra.find("Default: \\\\.\\COM1"), std::string::npos);
  Keys({"Down", "Down", "Return"});
  ASSERT_TRUE(wine.WaitUntilGone("COM Port Setting", kWait));

  Keys({"alt+f", "c"});
  EXPECT_EQ(program->Wait(kWait), 0);
  EXPECT_NE(wine.Settings().find("[Serial]\nPort=2\n"), std::string::npos) << wine.Settings();
}

// Port Setting from the keyboard alone: each list changed with the arrow keys, Return sends one
// "ps" command per port, and the window shows what the switch then reports.
TEST_F(WindowProgramTest, PortSettingSendsTheChosenModesOnTheWire) {
  SwitchSim sim;
  WineProgram wine(desktop(), sim.Device());
  auto program = wine.Start();
  ASSERT_TRUE(MainWindowShowing(wine, "Connected", kStartWait, &sim));

  Keys({"alt+s", "p"});
  ASSERT_TRUE(wine.WaitForActive("Port Setting", kWait));
  desktop().Keys("Up");  // port 1: Auto to 100Mbps/full
  desktop().Keys("Tab");
  desktop().Keys("Down");  // port 2: Auto to Disable
  desktop().Keys("Return");
  std::optional<ProbedWindow> done = wine.WaitForActive("Port Setting was Complete", kWait);
  ASSERT_TRUE(done);
  EXPECT_TRUE(done->WithText("static", "Setting the port configuration was successful."));
  desktop().Keys("Return");
  ASSERT_TRUE(wine.WaitUntilGone("Port Setting was Complete", kWait));
  EXPECT_TRUE(sim.WaitFor("port-modes", "36555555", kWait));
  std::vector<std::string> sent;
  for (const std::string& line : sim.Lines()) {
    if (line.rfind("ps", 0) == 0) sent.push_back(line);
  }
  const std::vector<std::string> expected{"ps\\s0\\s3", "ps\\s1\\s6", "ps\\s2\\s5", "ps\\s3\\s5",
                                          "ps\\s4\\s5", "ps\\s5\\s5", "ps\\s6\\s5", "ps\\s7\\s5"};
  EXPECT_EQ(sent, expected);
  // The refresh that follows reads the ports back.
  EXPECT_TRUE(wine.WaitForText("TAVIRON", "Lb_link2", "Disable", kWait));
  EXPECT_TRUE(wine.WaitForText("TAVIRON", "Lb_dup1", "Full", kWait));

  // File > Save with its shortcut: the system's save dialog with the filters as given, and the
  // configuration written under the name typed, with ".txt" put on it.
  desktop().Keys("ctrl+s");
  std::optional<ProbedWindow> save = wine.WaitForActive("Save As", kWait);
  ASSERT_TRUE(save);
  bool filtered = false;
  for (const ProbedControl& c : save->controls) {
    filtered |= c.kind == "combobox" &&
                c.extra.find("テキストファイル(*.txt)|すべてのファイル(*.*)") != std::string::npos;
  }
  EXPECT_TRUE(filtered);
  desktop().Type(OnDriveZ(wine.directory() / "site"));
  desktop().Keys("Return");
  ASSERT_TRUE(wine.WaitUntilGone("Save As", kWait));
  EXPECT_EQ(ReadFile(wine.directory() / "site.txt").substr(0, 20), "port1=4\r\r\nport2=6\r\r\n");

  // Saved again under that name: Return at the question keeps the file, Yes replaces it.
  WriteFile(wine.directory() / "site.txt", "keep");
  const std::pair<const char*, const char*> answers[] = {{"Return", "keep"},
                                                         {"alt+y", "port1=4\r\r\n"}};
  for (const auto& [answer, start] : answers) {
    SCOPED_TRACE(answer);
    desktop().Keys("ctrl+s");
    ASSERT_TRUE(wine.WaitForActive("Save As", kWait));
    desktop().Type(OnDriveZ(wine.directory() / "site"));
    desktop().Keys("Return");
    ASSERT_TRUE(wine.WaitForActive("Confirm Save As", kWait));
    desktop().Keys(answer);
    ASSERT_TRUE(wine.WaitUntilGone("Confirm Save As", kWait));
    ASSERT_TRUE(wine.WaitForActive("TAVIRON", kWait));
    EXPECT_EQ(ReadFile(wine.directory() / "site.txt").rfind(start, 0), 0u);
  }

  Keys({"alt+f", "c"});
  EXPECT_EQ(program->Wait(kWait), 0);
}

// A firmware upload from the maintenance menu: the file chosen in the system's open dialog, the
// progress shown while the records go out, and the switch reconnected afterwards.
TEST_F(WindowProgramTest, AFirmwareUploadShowsItsProgressAndEndsRestored) {
  SwitchSim sim({"--erase-ms", "300", "--restart-ms", "800"});
  WineProgram wine(desktop(), sim.Device());
  const std::filesystem::path firmware = wine.directory() / "firmware.hex";
  WriteFile(firmware, HexFile(150));
  auto program = wine.Start();
  ASSERT_TRUE(MainWindowShowing(wine, "Connected", kStartWait, &sim));

  Keys({"alt+m", "f"});
  ASSERT_TRUE(wine.WaitForActive("Enter Maintenance Password", kWait));
  desktop().Type("qorplemt");
  desktop().Keys("Return");
  std::optional<ProbedWindow> dialog = wine.WaitForActive("Firmware Upgrade", kWait);
  ASSERT_TRUE(dialog);
  desktop().Keys("alt+o");  // Open(&O)...
  std::optional<ProbedWindow> open = wine.WaitForActive("Open", kWait);
  ASSERT_TRUE(open);
  // The system's open dialog offers the firmware files by the filter as given.
  bool filtered = false;
  for (const ProbedControl& c : open->controls)
    filtered |=
        c.kind == "combobox" && c.extra.find("Intel hexﾌｫｰﾏｯﾄ (*.hex)") != std::string::npos;
  EXPECT_TRUE(filtered);
  desktop().Type(OnDriveZ(firmware));
  desktop().Keys("Return");
  ASSERT_TRUE(wine.WaitUntilGone("Open", kWait));
  ASSERT_TRUE(wine.WaitForText("Firmware Upgrade", "Ed_file", OnDriveZ(firmware), kWait));

  desktop().Keys("alt+u");  // &Upload
  // Part of the way: the bar and the percentage move, and nothing can close the dialog.
  std::optional<ProbedWindows> midway = wine.WaitUntil(
      [](const ProbedWindows& w) {
        std::optional<ProbedWindow> d = w.Titled("Firmware Upgrade");
        return d && std::atoi(d->Control("ProgressBar1").Extra("position").c_str()) > 20;
      },
      kWait);
  ASSERT_TRUE(midway);
  const ProbedWindow during = *midway->Titled("Firmware Upgrade");
  wine.Screenshot("firmware-upload");
  EXPECT_EQ(during.Control("Lb_update").text, "Firmware Upgrading......");
  EXPECT_EQ(during.Control("ProgressBar1").Extra("maximum"),
            "150");  // the chosen file's own records
  EXPECT_FALSE(during.Control("Button2").Enabled());
  EXPECT_FALSE(during.Control("Button_ok").Enabled());

  ASSERT_TRUE(wine.WaitForText("Firmware Upgrade", "Lb_update",
                               "Firmware Upgrade:Restoration was completed.", 60000));
  std::optional<ProbedWindow> after = wine.Look().Titled("Firmware Upgrade");
  ASSERT_TRUE(after);
  EXPECT_EQ(after->Control("Lb_per").text, "100");
  EXPECT_EQ(sim.State("loads"), "1");
  // The switch came back; the dialog closes and the main window shows it connected.
  ASSERT_TRUE(wine.WaitUntil(
      [](const ProbedWindows& w) {
        std::optional<ProbedWindow> d = w.Titled("Firmware Upgrade");
        return d && d->Control("Button2").Enabled();
      },
      kWait));
  wine.Click(wine.Look().Titled("Firmware Upgrade")->Control("Button2"));
  EXPECT_TRUE(MainWindowShowing(wine, "Connected"));

  Keys({"alt+f", "c"});
  EXPECT_EQ(program->Wait(kWait), 0);
}

// A close asked for from the window's frame while a reset runs waits for the reset and its
// refreshes to end: the shutdown's closing lines follow their last query, and the settings are
// written.
TEST_F(WindowProgramTest, ACloseDuringAResetWaitsForItsEnd) {
  SwitchSim sim({"--restart-ms", "800"});
  WineProgram wine(desktop(), sim.Device());
  auto program = wine.Start();
  ASSERT_TRUE(MainWindowShowing(wine, "Connected", kStartWait, &sim));

  Keys({"alt+s", "e"});  // Setting > Reset
  // The restart comes after the reset's own wait, which a loaded machine stretches.
  if (!sim.WaitFor("restarts", "1", kStartWait)) {
    std::string heard;
    for (const std::string& line : sim.Lines())
      heard += line + " ";
    FAIL() << "no restart; the switch heard: " << heard << "; " << wine.Look().Summary();
  }
  desktop().Keys("alt+F4");
  EXPECT_EQ(program->Wait(kWait), 0);
  const std::vector<std::string> lines = sim.Lines();
  const auto reset = std::find(lines.begin(), lines.end(), "arst");
  ASSERT_NE(reset, lines.end());
  // After the reset: its own refresh and the command's, then the closing lines alone (the last
  // may be purged from the line as the port closes).
  const auto closing = std::find(reset, lines.end(), "q");
  EXPECT_EQ(std::count(reset, closing, "peg\\s8"), 2);
  EXPECT_GE(std::count(closing, lines.end(), "q"), 3);
  EXPECT_EQ(std::count(closing, lines.end(), "q"), lines.end() - closing);
  EXPECT_NE(wine.Settings().find("[Serial]"), std::string::npos);
}

// Disconnect and Connect from the toolbar; the switch now wants a password that the program does
// not know, so the re-log-in window asks, refuses a wrong one and takes the right one.
TEST_F(WindowProgramTest, ConnectAsksAgainInTheReLogInWindow) {
  SwitchSim sim;
  WineProgram wine(desktop(), sim.Device());
  auto program = wine.Start();
  ASSERT_TRUE(MainWindowShowing(wine, "Connected", kStartWait, &sim));

  wine.ClickToolButton(2);  // COM Port Disconnect
  std::optional<ProbedWindow> main = MainWindowShowing(wine, "Disconnect");
  ASSERT_TRUE(main);
  EXPECT_EQ(main->Control("Lb_fw_ver").text, "--.--");
  EXPECT_EQ(main->Control("Lb_link1").text, "Communication Error");
  EXPECT_TRUE(wine.Look().Button(1).enabled);

  sim.Control("set password pw");
  wine.ClickToolButton(1);  // COM Port Connect
  std::optional<ProbedWindow> login = wine.WaitForActive("Enter Password", kWait);
  ASSERT_TRUE(login);
  ExpectAsDesigned(*login, kPassIn2Form);
  EXPECT_TRUE(login->Control("Ed_pass2").Is('p'));
  desktop().Type("wrong");
  desktop().Keys("Return");
  ASSERT_TRUE(wine.WaitForText("Enter Password", "Label1", "Password is incorrect.", kWait));
  EXPECT_EQ(wine.Look().Titled("Enter Password")->Control("Label2").text,
            "Please retype the password.");
  desktop().Type("pw");
  desktop().Keys("Return");
  ASSERT_TRUE(wine.WaitUntilGone("Enter Password", kWait));
  EXPECT_TRUE(MainWindowShowing(wine, "Connected"));
  EXPECT_EQ(sim.State("logged-in"), "1");

  Keys({"alt+f", "c"});
  EXPECT_EQ(program->Wait(kWait), 0);
}

// A switch that wants its password from the start: the log-in window comes first, and the main
// window opens once the switch took the password.
TEST_F(WindowProgramTest, TheLogInWindowComesFirstWhenTheSwitchWantsAPassword) {
  SwitchSim sim({"--password", "pw"});
  WineProgram wine(desktop(), sim.Device());
  auto program = wine.Start();

  std::optional<ProbedWindow> login = wine.WaitForActive("Enter Password", kStartWait);
  ASSERT_TRUE(login);
  ExpectAsDesigned(*login, kPassInForm);
  EXPECT_EQ(login->Control("Label1").text, "Please type your password.");
  wine.Screenshot("log-in");
  desktop().Type("pw");
  desktop().Keys("Return");
  EXPECT_TRUE(MainWindowShowing(wine, "Connected", kStartWait, &sim));

  Keys({"alt+f", "c"});
  EXPECT_EQ(program->Wait(kWait), 0);
}

// COM1 leads nowhere: the start-up says so in a box of its own, the main window opens without
// the switch, and its first activation says that the port setting could not be obtained.
TEST_F(WindowProgramTest, APortThatWillNotOpenIsReportedAndTheWindowStartsDisconnected) {
  WineProgram wine(desktop(), "/nonexistent/tty-taviron");
  auto program = wine.Start();

  std::optional<ProbedWindow> failed = wine.WaitForActive("TAVIRON starting failed", kStartWait);
  ASSERT_TRUE(failed);
  bool said = false;
  for (const ProbedControl& c : failed->controls)
    said |= c.kind == "static" && c.text.rfind("Failed to Open COM port.", 0) == 0;
  EXPECT_TRUE(said);
  desktop().Keys("Return");
  std::optional<ProbedWindow> unknown =
      wine.WaitForActive("Port Configuration acquisition Error", kWait);
  ASSERT_TRUE(unknown);
  EXPECT_TRUE(unknown->WithText("static", "Failed to obtain the port setting."));
  desktop().Keys("Return");
  std::optional<ProbedWindow> main = MainWindowShowing(wine, "Disconnect");
  ASSERT_TRUE(main);
  EXPECT_EQ(main->Control("Lb_relay").text, "---");
  ProbedWindows seen = wine.Look();
  EXPECT_TRUE(seen.Button(1).enabled);
  EXPECT_EQ(seen.Button(1).image, 45);
  EXPECT_FALSE(seen.Button(6).enabled);
  EXPECT_EQ(seen.Button(6).image, 54);

  // Back from another program's window nothing is asked again; back from one of the program's
  // own dialogs the activation says it once more.
  Process other({"/usr/bin/xmessage", "-title", "elsewhere", "elsewhere"},
                {{"DISPLAY", desktop().Display()}});
  std::optional<std::string> elsewhere = desktop().WaitForWindow("elsewhere", kWait);
  std::optional<std::string> mainId = desktop().WaitForWindow("TAVIRON", kWait);
  ASSERT_TRUE(elsewhere && mainId);
  desktop().Activate(*elsewhere);
  ASSERT_TRUE(desktop().WaitUntilActive("elsewhere", kWait));
  desktop().Activate(*mainId);
  ASSERT_TRUE(wine.WaitForActive("TAVIRON", kWait));
  usleep(1000000);
  EXPECT_FALSE(wine.Look().Titled("Port Configuration acquisition Error"));
  Keys({"alt+h", "t"});
  ASSERT_TRUE(wine.WaitForActive("About TAVIRON", kWait));
  desktop().Keys("Escape");
  ASSERT_TRUE(wine.WaitForActive("Port Configuration acquisition Error", kWait));
  desktop().Keys("Return");
  ASSERT_TRUE(wine.WaitForActive("TAVIRON", kWait));
  other.Signal(SIGTERM);

  Keys({"alt+f", "c"});
  EXPECT_EQ(program->Wait(kWait), 0);
}

// The user logs off or the system shuts down: the session's end runs the program's shutdown, with
// its closing lines to the switch and the settings written.
TEST_F(WindowProgramTest, TheEndOfTheSessionRunsTheShutdown) {
  SwitchSim sim;
  WineProgram wine(desktop(), sim.Device());
  auto program = wine.Start();
  ASSERT_TRUE(MainWindowShowing(wine, "Connected", kStartWait, &sim));

  Process end({"/usr/bin/wine", "wineboot", "--end-session"}, {{"DISPLAY", desktop().Display()}});
  end.Wait(kWait);
  EXPECT_TRUE(program->Wait(kWait));
  const std::vector<std::string> lines = sim.Lines();
  const auto refreshed = std::find(lines.begin(), lines.end(), "peg\\s8");
  ASSERT_NE(refreshed, lines.end());
  EXPECT_GE(std::count(refreshed + 1, lines.end(), "q"), 3);
  EXPECT_EQ(std::count(refreshed + 1, lines.end(), "q"), lines.end() - refreshed - 1);
  EXPECT_NE(wine.Settings().find("[Serial]"), std::string::npos);
}

// The same end with a SWITCH.INI that cannot be written: no box holds it up.
TEST_F(WindowProgramTest, TheEndOfTheSessionWaitsOnNoBox) {
  SwitchSim sim;
  WineProgram wine(desktop(), sim.Device());
  std::filesystem::create_directory(wine.directory() / "SWITCH.INI");
  auto program = wine.Start();
  ASSERT_TRUE(MainWindowShowing(wine, "Connected", kStartWait, &sim));
  Process end({"/usr/bin/wine", "wineboot", "--end-session"}, {{"DISPLAY", desktop().Display()}});
  end.Wait(kWait);
  EXPECT_TRUE(program->Wait(kWait));
}

}  // namespace
}  // namespace taviron::test
