#include "cli/command_help.h"

#include "cli/help_lines.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zelto::cli {
namespace {

// Where the meanings of the options start; a meaning of more than one line continues there.
constexpr std::size_t kOptionColumn = 20;
// Where the continuation of a wrapped exit code's meaning, a usage line and a command's
// synopsis in the list of commands start.
constexpr std::size_t kExitIndent = 5;
constexpr std::size_t kUsageIndent = 4;
constexpr std::size_t kSynopsisIndent = 8;

constexpr std::array kGlobalOptions{
    OptionHelp{"--port", "PATH",
               "serial device path (a pseudo-terminal included); a name without a\n"
               "slash is a device under /dev (ttyS0 is /dev/ttyS0): ./NAME for a file\n"
               "here. Again for each further port: the command runs on all at once"},
    OptionHelp{"--com", "N", "port number from 'ports'; --port wins; again for another port"},
    OptionHelp{"--model", "M", "0, 1 or 2, or dastra-2 (1), velmor-7 (2); default 2"},
    OptionHelp{"--baud", "N", "2400, 4800, 9600 or 19200; default 4800"},
    OptionHelp{"--timeout-scale", "X", "multiplies the read time-outs, 0.01..100; default 1"},
    OptionHelp{"--trace", "", "every frame to standard error"},
    OptionHelp{"--json", "",
               "one JSON object per result on standard output, in place of the memo\n"
               "lines; each has \"ok\", and on failure \"exit\" and \"error\""},
    OptionHelp{"--no-backup", "",
               "no backup before a writing command (see 'backups'); restore still\n"
               "checks the device first"},
    OptionHelp{"--verify", "",
               "after a write that ended well, reads back every word it wrote:\n"
               "\"Запись проверена\", or \"Ошибка проверки записи\", the words on\n"
               "standard error and exit 3"},
    OptionHelp{"--changed-only", "",
               "a write sends only the words that differ from what the device\n"
               "holds (read first, with --no-backup too), with the sequence's last\n"
               "word and closing action when it sends any; a backup keeps the words\n"
               "sent. None: \"Прибор уже содержит эту конфигурацию\", exit 0"},
    OptionHelp{"--lang", "ru|en",
               "the language of the status texts and messages; by default English\n"
               "where the locale's language is neither Russian nor C/POSIX. Memo\n"
               "lines, files and JSON keys are the same in both"},
    OptionHelp{"--help, --version", "", "'zelto-cli COMMAND --help' describes one command"},
};

// What every command that talks to a device may end with.
constexpr std::array<ExitHelp, 3> kDeviceExits{{
    {3, "the device did not answer (\"Прибор не отвечает\")"},
    {4, "identification failed: another model or a bad reply"},
    {6, "the port could not be opened, or it went away"},
}};

constexpr std::array<OptionHelp, 1> kReadOptions{{
    {"--save-profile", "FILE",
     "also saves what the device holds as a profile (JSON); with several\n"
     "ports, one file each: k.json → k-ttyUSB0.json"},
}};

constexpr std::array<OptionHelp, 9> kWriteOptions{{
    {"--profile", "FILE", "the configuration a profile file holds; takes no other option"},
    {"--sensor", "CODE", "sensor code of the model's list: 0..14, or 0..20 on Velmor-7"},
    {"--range", "LO..HI", "measuring range in whole units; default the sensor's full range"},
    {"--output", "0-5|0-20|4-20", "output current range in mA (Velmor-7); default 4-20"},
    {"--linear-emf", "", "output linear from the thermo-EMF (thermocouples, codes 9..14)"},
    {"--cold-junction", "", "cold-junction compensation (Velmor-7, thermocouples)"},
    {"--scheme", "4|3|2", "wires of a resistance input (Velmor-7)"},
    {"--sqrt", "", "square-root output (Velmor-7)"},
    {"--sensor-break", "", "sensor-break signalling (Velmor-7)"},
}};

constexpr std::array<OptionHelp, 1> kDiffOptions{{
    {"--profile", "FILE", "the profile file to compare the device with"},
}};

constexpr std::array<OptionHelp, 7> kCorrectOptions{{
    {"--sensor", "CODE", "sensor code of the model's list, 0..14"},
    {"--range", "LO..HI", "measuring range in whole units"},
    {"--t1", "T", "first correction temperature, °C"},
    {"--t2", "T", "second correction temperature, °C"},
    {"--i1", "MA", "output current measured at T1, mA"},
    {"--i2", "MA", "output current measured at T2, mA"},
    {"--linear-emf", "", "output linear from the thermo-EMF (thermocouples, codes 9..14)"},
}};

constexpr std::array<OptionHelp, 1> kMemoryOptions{{
    {"--save", "FILE",
     "also writes the 512-byte image to FILE; with several ports, one file\n"
     "each: ee.bin → ee-ttyUSB0.bin (see --help for ports whose paths end alike)"},
}};

constexpr std::array<OptionHelp, 7> kCalibOptions{{
    {"show", "",
     "shows the block of --load in the layout of --model (default Velmor-7);\n"
     "needs no device"},
    {"read", "", "reads the block from the device"},
    {"write", "", "writes the block of --load to the device"},
    {"clear", "", "writes neutral gains and offsets to the device; shows nothing"},
    {"clear-full", "", "writes neutral gains, offsets and reference values, reads back"},
    {"--load", "FILE",
     "loads the block from FILE (.bin or .txt) before the operation; a block\n"
     "of the other family than --model's, or a text file without the 28\n"
     "numbers of the text form, is refused"},
    {"--save", "FILE",
     "saves the block to FILE (.bin or .txt) after the operation; with several\n"
     "ports, one file each: cal.bin → cal-ttyUSB0.bin"},
}};

constexpr std::array<OptionHelp, 3> kMonitorOptions{{
    {"--count", "N",
     "cycles to poll; default 1. 0 polls until SIGINT or SIGTERM, through\n"
     "silence, then exits 0"},
    {"--interval", "MS", "pause between cycles in milliseconds; default 3000"},
    {"--csv", "",
     "a header line, then one comma-separated line per cycle: the cycle's\n"
     "start (local ISO 8601 time with milliseconds and UTC offset), then\n"
     "one column per address (0x0500 ...), empty where no reply came"},
}};

constexpr std::array<OptionHelp, 3> kConvertOptions{{
    {"--sensor", "CODE", "resistance thermometer (0..8) or thermocouple (9..14)"},
    {"--temperature", "T", "converts T °C to the signal"},
    {"--signal", "S", "converts the signal (mV, or W = R/R0) to °C"},
}};

constexpr std::array<OptionHelp, 7> kSimulateOptions{{
    {"--model", "M", "the model simulated; default the --model before\nthe command"},
    {"--memory", "FILE",
     "loads the 512-byte image at start (made when\n"
     "missing) and saves it after every word written;\n"
     "with --count, a folder (made when missing) of one\n"
     "image per simulator: 1.bin, 2.bin, ..."},
    {"--pace", "", "takes and answers frames at the --baud line rate"},
    {"--count", "N", "runs N simulators (1..256), one path a line"},
    {"--bench", "",
     "also a SCPI current meter and a SCPI calibrator\n"
     "wired to the transmitter: the meter reads the\n"
     "current its configuration, its correction and its\n"
     "own input error give for what the calibrator\n"
     "applies; their paths follow the transmitter's"},
    {"--tcp", "",
     "with --bench, the instruments on TCP ports of\n"
     "127.0.0.1, printed as tcp:127.0.0.1:PORT"},
    {"--unit-error", "GAIN,OFFSET",
     "with --bench, the unit's own input error: GAIN\n"
     "multiplies the applied signal, OFFSET is added in\n"
     "its unit (Ω, mV, mA); default 1,0"},
}};

constexpr std::array<OptionHelp, 13> kCheckOptions{{
    {"--points", "P,P,...",
     "test points, % of the range: 2 to 11, ascending,\n"
     "each 0..100; default 0,25,50,75,100"},
    {"--tolerance", "PCT", "a point passes within PCT % of the output span;\ndefault 0.25"},
    {"--meter", "INSTRUMENT",
     "the current meter: manual (default: typed on\n"
     "standard input, or --readings), serial:PATH[:BAUD]\n"
     "(SCPI, 8N1, LF; default 9600) or tcp:HOST:PORT"},
    {"--meter-query", "Q", "the meter's query, answered in amperes; default\nMEAS:CURR:DC?"},
    {"--source", "INSTRUMENT",
     "the calibrator: manual (default: you are asked to\n"
     "apply each point), serial:... or tcp:..."},
    {"--source-command", "TEMPLATE",
     "sent to the calibrator once a point: {c} °C,\n"
     "{ohm} Ω, {mv} mV, {v} V, {ma} mA, {a} A, with a\n"
     "decimal point ('SOUR:RES {ohm}')"},
    {"--settle", "S",
     "seconds from the signal to the first reading, then\n"
     "one every 0.5 s until three agree within a tenth\n"
     "of the tolerance (unstable after 10 s); default 2"},
    {"--readings", "MA,MA,...",
     "a manual meter's currents, mA, decimal point: as\n"
     "found, then with --adjust as left"},
    {"--adjust", "",
     "the range correction from the lowest and highest\n"
     "points, composed with the one the unit holds, then\n"
     "the check as left (table-loading models)"},
    {"--tag", "TAG", "the unit's tag, kept in the record"},
    {"--engineer", "NAME", "who checked it, kept in the record"},
    {"--instruments", "TEXT",
     "the bench's instruments in your words, kept in\n"
     "the record after their *IDN? answers"},
    {"--report", "FILE.pdf",
     "also the report, \"Протокол проверки\", as a PDF in\n"
     "the interface's language, once the record is kept"},
}};

constexpr std::array<OptionHelp, 1> kChecksOptions{{
    {"--tag", "TAG", "only the checks of the unit with this tag"},
}};

constexpr std::array<OptionHelp, 1> kReportOptions{{
    {"--out", "FILE.pdf", "where the report goes"},
}};

constexpr std::array<ExitHelp, 2> kPortsExits{{{0, "listed"}, {2, "an argument was given"}}};
constexpr std::array<ExitHelp, 2> kIdentifyExits{{{0, "identified"}, {2, "no device given"}}};
constexpr std::array<ExitHelp, 3> kReadExits{
    {{0, "read, and saved with --save-profile"},
     {2, "no device given"},
     {5, "FILE could not be written, or the device holds what no profile can"}}};
constexpr ExitHelp kBackupNotSaved{5, "the backup could not be saved: nothing is sent"};
constexpr ExitHelp kNotVerified{3, "with --verify, a word read back differs from the one written"};
constexpr std::array<ExitHelp, 4> kDiffExits{
    {{0, "the device holds what the profile would write"},
     {2, "a usage error, or a value the window would refuse"},
     {5, "FILE holds no profile (not JSON, another format, a newer version)"},
     {7, "the device differs from the profile"}}};
constexpr std::array<ExitHelp, 4> kWriteExits{
    {{0, "written"},
     kNotVerified,
     {2, "a usage error, or a value the window would refuse: nothing is sent"},
     {5,
      "the --profile file holds no profile (not JSON, another format, newer), or the backup "
      "could not be saved: nothing is sent"}}};
constexpr std::array<ExitHelp, 4> kCorrectExits{
    {{0, "written"},
     kNotVerified,
     {2, "a usage error, Velmor-7, or a value the window would refuse: nothing is sent"},
     kBackupNotSaved}};
constexpr std::array<ExitHelp, 4> kResetExits{
    {{0, "reset"}, kNotVerified, {2, "no device given, or Velmor-7"}, kBackupNotSaved}};
constexpr std::array<ExitHelp, 3> kMemoryExits{
    {{0, "read, and saved with --save"}, {2, "a usage error"}, {5, "FILE could not be written"}}};
constexpr std::array<ExitHelp, 2> kTablesExits{{{0, "read"}, {2, "a usage error"}}};
constexpr std::array<ExitHelp, 4> kCalibExits{
    {{0, "done"},
     kNotVerified,
     {2, "a usage error, or a --load block of the other family than --model's"},
     {5,
      "--load did not load whole, or the backup could not be saved (nothing is\n"
      "     sent), or --save could not be written"}}};
constexpr std::array<OptionHelp, 1> kRestoreOptions{{
    {"--force", "",
     "restores even a device that no longer holds what the backup's\n"
     "write left, or another unit of the model than the backup's"},
}};
constexpr std::array<ExitHelp, 1> kBackupsExits{{{0, "listed"}}};
constexpr std::array<ExitHelp, 4> kRestoreExits{
    {{0, "restored"},
     kNotVerified,
     {2,
      "a usage error, no such backup or none to undo, several backups the undo\n"
      "     cannot choose between (listed), a backup of another model, or (without\n"
      "     --force) of another unit, or a device that holds another configuration:\n"
      "     nothing is sent"},
     {5,
      "the backup file could not be read, or names words or an action its\n"
      "     operation does not write (with --force as well; nothing is sent), or the\n"
      "     restore's own backup not saved"}}};
constexpr std::array<ExitHelp, 3> kMonitorExits{
    {{0, "polled, or stopped by SIGINT or SIGTERM with --count 0"},
     {2, "a usage error, or --csv with --json"},
     {5, "standard output refused a line (a full disk): \"Ошибка записи файла\""}}};
// What the writing commands print with --json.
constexpr std::string_view kWriteJson =
    "One object: \"status\" (the write's last status text), \"backup\" (its id, null\n"
    "without one) and with --verify \"verified\", and \"mismatches\" when it is false.";
constexpr std::string_view kRestoreJson =
    "One object: \"restored\" (the backup's id), \"status\", \"backup\" (the restore's own\n"
    "backup) and with --verify \"verified\"; when the undo cannot choose, \"candidates\":\n"
    "one object a backup that fits, with \"id\", \"time\" and \"port\".";
constexpr std::array<ExitHelp, 6> kCheckExits{
    {{0, "the check passed"},
     {2,
      "a usage error, or a unit the check cannot hold to its configuration (not\n"
      "     configured, current words not 4 and 20, square root): nothing is measured"},
     {3,
      "an instrument did not answer; with --verify, the correction read back\n"
      "     otherwise"},
     {5,
      "the record, the correction's backup or the report could not be saved (a\n"
      "     folder of --report that cannot be written is refused before the check)"},
     {6, "an instrument's port or connection could not be opened"},
     {8,
      "the check failed, or it was cancelled (SIGINT, no reading typed, an\n"
      "     instrument failing half-way): the record is kept"}}};
constexpr std::array<ExitHelp, 1> kChecksExits{{{0, "listed"}}};
constexpr std::array<ExitHelp, 3> kReportExits{
    {{0, "rendered"},
     {2, "no ID or --out, or no kept check of that ID"},
     {5, "the record could not be read, or FILE.pdf not written"}}};
constexpr std::array<ExitHelp, 2> kConvertExits{
    {{0, "converted"}, {2, "a usage error, a sensor without tables, or no finite result"}}};
constexpr std::array<ExitHelp, 4> kSimulateExits{{{0, "stopped by SIGINT or SIGTERM"},
                                                  {1, "no pseudo-terminal or port to be had"},
                                                  {2, "a usage error, or --json"},
                                                  {5, "FILE could not be read or written"}}};

constexpr std::array kCommands{
    CommandHelp{"ports",
                "",
                "list the serial ports with their COM numbers",
                {},
                false,
                "One line per port: COM<n>, a tab, the device path, a tab, the adapter's\n"
                "description. The path of --port is listed too, under the number it gets.",
                kPortsExits,
                {},
                "One object per port: \"com\", \"path\" and \"description\"."},
    CommandHelp{"identify",
                "",
                "identify the transmitter of the chosen model",
                {},
                true,
                "The model and the firmware, as the first line of the configuration summary\n"
                "reads them (\"Velmor-7  Версия прошивки прибора 2.07.2008 от  5.03.2009\"); the\n"
                "status texts (\"Порт открыт\", \"Прибор подключен\") on standard error.",
                kIdentifyExits,
                {},
                "One object: \"model\", \"firmware\" and \"firmware_date\" (read after the\n"
                "identification)."},
    CommandHelp{"read",
                "[--save-profile FILE]",
                "read the stored configuration and print its summary",
                kReadOptions,
                true,
                "The configuration summary: the lines the window's memo shows. A device whose\n"
                "configuration no profile can hold saves nothing; the reasons on standard error.",
                kReadExits,
                {},
                "One object: \"model\", \"firmware\", \"firmware_date\", \"configured\",\n"
                "\"sensor\" and \"sensor_name\", \"range\", and the output and switches under a\n"
                "profile's keys (\"output\", \"linear_emf\", \"scheme\", ...), as the words the\n"
                "summary comes from say (read again); \"lines\", the memo lines."},
    CommandHelp{"write",
                "--profile FILE | --sensor CODE [--range LO..HI] [--output 0-5|0-20|4-20] "
                "[--linear-emf] [--cold-junction] [--scheme 4|3|2] [--sqrt] [--sensor-break]",
                "write a configuration",
                kWriteOptions,
                true,
                "Nothing on standard output; \"Запись завершена\" on standard error, and with\n"
                "--trace the configuration dump. A profile's model is the one identified,\n"
                "unless --model names another: then nothing is sent (exit 2).",
                kWriteExits,
                {},
                kWriteJson},
    CommandHelp{"diff",
                "--profile FILE",
                "show what a write of the profile would change",
                kDiffOptions,
                true,
                "One line per setting that differs, \"field: device → profile\" (fields by\n"
                "their profile keys; \"word N\" for a word no setting accounts for, \"tables\"\n"
                "for the conversion tables, \"correction: Au=…, Bu=… → Au=1, Bu=0\" for the\n"
                "unit's range correction, which every write resets); nothing, and exit 0, only\n"
                "when the write would change no word on the device.",
                kDiffExits,
                {},
                "One object per difference: \"field\", \"device\" and \"profile\"."},
    CommandHelp{"correct",
                "--sensor CODE --range LO..HI --t1 T --t2 T --i1 MA --i2 MA [--linear-emf]",
                "two-point range correction (table-loading models)",
                kCorrectOptions,
                true,
                "Nothing on standard output; the status texts on standard error, and with\n"
                "--trace the correction trace.",
                kCorrectExits,
                {},
                kWriteJson},
    CommandHelp{"reset-correction",
                "",
                "reset the range correction (table-loading models)",
                {},
                true,
                "Nothing on standard output; the status texts on standard error.",
                kResetExits,
                {},
                kWriteJson},
    CommandHelp{"memory",
                "[--save FILE]",
                "dump the configuration memory",
                kMemoryOptions,
                true,
                "The whole configuration memory in hex, 16 bytes a line, and an empty line.",
                kMemoryExits,
                {},
                "One object: \"memory\", the 512 bytes as lower-case hex, and with --save\n"
                "\"saved\", the file."},
    CommandHelp{"tables",
                "",
                "dump the conversion tables held in the device",
                {},
                true,
                "The memory dump with the table area decoded, as the window's memo shows it.",
                kTablesExits,
                {},
                "One object: \"lines\", the dump's lines."},
    CommandHelp{"calib", "show|read|write|clear|clear-full [--load FILE] [--save FILE]",
                "the calibration block", kCalibOptions, true,
                "The block's lines once the operation is done (none after clear), laid out\n"
                "for --model's family: which pairs and reference values the block has, and\n"
                "their names, depend on it. \"Файл записан\" on standard error after --save.",
                kCalibExits, "OPERATION",
                "show and read: one object, \"gains\", \"offsets\" and \"references\" of the\n"
                "model's family (a gain or offset that is NaN or infinite is null); write,\n"
                "clear and clear-full: as 'write --help' says."},
    CommandHelp{"monitor",
                "[--count N] [--interval MS] [--csv]",
                "poll the live values",
                kMonitorOptions,
                true,
                "One block of monitor lines per cycle, or with --csv one line; each line is\n"
                "flushed as it is finished. With several ports, --csv prints one header, and\n"
                "each line starts with a column \"port\" in place of the prefix. A line that\n"
                "cannot be written stops the recording on every port at once.",
                kMonitorExits,
                {},
                "One object per cycle: \"time\" (its start, local, ISO 8601) and \"values\",\n"
                "by address (\"0x0500\": 1, ...; null for an address without a reply)."},
    CommandHelp{"convert",
                "--sensor CODE (--temperature T | --signal S)",
                "convert with the sensor's tables, no device needed",
                kConvertOptions,
                false,
                "The converted value with four decimals and the decimal comma.",
                kConvertExits,
                {},
                "One object: \"sensor\", \"temperature\" and \"signal\" (four decimals)."},
    CommandHelp{"simulate",
                "[--model M] [--memory FILE] [--pace] [--count N] [--bench [--tcp] [--unit-error "
                "GAIN,OFFSET]]",
                "run the transmitter simulator on a pseudo-terminal", kSimulateOptions, false,
                "The path of its pseudo-terminal as the first line (with --count, one path a\n"
                "line; with --bench, the meter's and the calibrator's on the next two); it\n"
                "serves until SIGINT or SIGTERM. The meter answers *IDN?, MEAS:CURR:DC? and\n"
                "READ? (amperes); the calibrator *IDN? and SOUR:TEMP (°C), SOUR:RES (Ω),\n"
                "SOUR:VOLT (V) and SOUR:CURR (A), a value the input does not take going to\n"
                "SYST:ERR?.",
                kSimulateExits},
    CommandHelp{"backups",
                "",
                "list the backups kept before every write",
                {},
                false,
                "One line per backup, newest first: id, time, model, operation and the first\n"
                "summary line, tab-separated, control characters shown as \\uXXXX. The files\n"
                "are in $XDG_DATA_HOME/zelto/backups (~/.local/share/zelto/backups); the newest\n"
                "200 of the configuration and 200 of the calibration writes are kept, and always\n"
                "the one just made. A file that is no backup (a symbolic link, words its\n"
                "operation does not write) is skipped with its reason on standard error.",
                kBackupsExits,
                {},
                "One object per backup: \"id\", \"time\", \"model\", \"port\", \"operation\",\n"
                "\"action\" and \"summary\"."},
    CommandHelp{"restore", "[ID] [--force]",
                "write a backup back, or undo the last write the device still shows",
                kRestoreOptions, true,
                "The words the backup's write changed get what they held before it, and its\n"
                "closing action goes out again; a backup of its own comes first. Only the unit\n"
                "the backup was taken from (its factory calibration and firmware, which every\n"
                "backup records) is restored without --force. Without ID, the newest backup of\n"
                "this unit that is not a restore's and whose written words the device still\n"
                "holds; when none is and the device was changed since, the newest, with --force.\n"
                "When several such backups fit (units with the same calibration written alike),\n"
                "they are listed, one a line: id, time, port; give one of them as ID. Backups of\n"
                "earlier versions, which record no unit, are restored by ID only. Then the\n"
                "configuration summary, as 'read' prints it. One port only.",
                kRestoreExits, "ID", kRestoreJson},
    CommandHelp{
        "check",
        "[--points P,P,...] [--tolerance PCT] [--meter INSTRUMENT] [--meter-query Q] [--source "
        "INSTRUMENT --source-command TEMPLATE] [--settle S] [--readings MA,MA,...] [--adjust] "
        "[--tag TAG] [--engineer NAME] [--instruments TEXT] [--report FILE.pdf]",
        "check the output current against the configuration the unit holds",
        kCheckOptions,
        true,
        "The configuration checked is the unit's own, read first. At each point the\n"
        "signal is applied and the output current read; one line a point: the pass, the\n"
        "point and its signal, the expected and the measured current, the error in % of\n"
        "span and the verdict. With --adjust, the correction, then the points again as\n"
        "left. Last \"Итог: …, протокол ID\". Prompts and status texts go to standard\n"
        "error. Each check is kept as $XDG_DATA_HOME/zelto/checks/ID.json\n"
        "(~/.local/share/zelto/checks), never replaced. SIGINT or SIGTERM stops it:\n"
        "nothing more goes to the transmitter or the instruments, and the record keeps\n"
        "what was measured as cancelled. One port only.",
        kCheckExits,
        {},
        "One object a point as it is measured: \"pass\" (\"as_found\" or \"as_left\"),\n"
        "\"percent\", \"temperature\", \"signal\", \"unit\", \"expected\", \"measured\",\n"
        "\"error\" and \"result\", as the record holds them; then one for the verdict:\n"
        "\"id\", \"result\", \"adjustment\", with --report \"report\" and, for a check that\n"
        "stopped, \"stopped\" (and \"reason\", the instrument's words)."},
    CommandHelp{"checks",
                "[--tag TAG]",
                "list the kept output checks",
                kChecksOptions,
                false,
                "One line per kept check, newest first: id, time, tag, model and result (pass,\n"
                "fail or cancelled), tab-separated, control characters shown as \\uXXXX. A file\n"
                "that is no record is skipped with its reason on standard error.",
                kChecksExits,
                {},
                "One object per check: \"id\", \"time\", \"tag\", \"model\", \"port\" and\n"
                "\"result\"."},
    CommandHelp{"report", "ID --out FILE.pdf", "render a kept check's report as a PDF",
                kReportOptions, false,
                "The report, \"Протокол проверки\", in the interface's language (--lang): the\n"
                "unit, its configuration, the instruments, the points as found and as left,\n"
                "the plot of their errors, the correction, the result, and lines for the\n"
                "engineer, the date and a signature. ID is one of 'checks'. Nothing on\n"
                "standard output.",
                kReportExits, "ID", "One object: \"report\", the file written."},
};

bool IsOperation(const OptionHelp& option) {
  return !option.name.starts_with('-');
}

// An option, or operation, a line, its meaning in a column of its own, wrapped within it.
std::string OptionLines(const std::vector<OptionHelp>& options) {
  std::size_t column = kOptionColumn;
  for (const OptionHelp& option : options)
    column = std::max(column, option.name.size() + option.value.size() + 2);
  std::string text;
  for (const OptionHelp& option : options) {
    std::string head(option.name);
    if (!option.value.empty())
      head.append(" ").append(option.value);
    if (option.meaning.empty()) {
      text += "  " + head + "\n";
      continue;
    }
    head.resize(column, ' ');
    text += Wrapped("  " + head + " " + Flowing(option.meaning), column + 3) + "\n";
  }
  return text;
}

std::vector<OptionHelp> Selected(std::span<const OptionHelp> options, bool operations) {
  std::vector<OptionHelp> selected;
  std::copy_if(options.begin(), options.end(), std::back_inserter(selected),
               [&](const OptionHelp& option) { return IsOperation(option) == operations; });
  return selected;
}

std::string ExitLines(const CommandHelp& help) {
  std::vector<ExitHelp> exits(help.exits.begin(), help.exits.end());
  if (help.needsDevice)
    exits.insert(exits.end(), kDeviceExits.begin(), kDeviceExits.end());
  std::stable_sort(exits.begin(), exits.end(),
                   [](const ExitHelp& a, const ExitHelp& b) { return a.code < b.code; });
  std::string text;
  for (const ExitHelp& exit : exits)
    text += Wrapped("  " + std::to_string(exit.code) + "  " + Flowing(exit.meaning), kExitIndent) +
            "\n";
  return text;
}

}  // namespace

std::span<const OptionHelp> GlobalOptionHelps() {
  return kGlobalOptions;
}

std::span<const CommandHelp> CommandHelps() {
  return kCommands;
}

const CommandHelp* FindCommandHelp(std::string_view command) {
  const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                  [&](const CommandHelp& help) { return help.name == command; });
  return found == kCommands.end() ? nullptr : &*found;
}

std::string ProgramHelpText() {
  std::string text = "Usage: zelto-cli [OPTIONS] COMMAND [ARGS]\n\nOptions:\n" +
                     OptionLines({kGlobalOptions.begin(), kGlobalOptions.end()}) + "\nCommands:\n";
  for (const CommandHelp& command : kCommands) {
    std::string usage = "  " + std::string(command.name);
    if (!command.synopsis.empty())
      usage.append(" ").append(command.synopsis);
    text += Wrapped(usage, kSynopsisIndent) + "\n      " + std::string(command.summary) + "\n";
  }
  return text +
         "\n"
         "Several --port or --com: a device command runs on every port at once, each line\n"
         "it prints prefixed with the port's path and a tab (with --json, \"port\" in each\n"
         "object), and an output file named once per port (ee.bin → ee-ttyUSB0.bin). Ports\n"
         "whose paths end alike take as many of their last path components as tell them\n"
         "apart, joined with \"-\" (/x/a/tty and /x/b/tty: ee-a-tty.bin and ee-b-tty.bin),\n"
         "and paths that cannot be told apart so their place on the command line too\n"
         "(ee-x-tty-1.bin). The exit code is the first port's, in command-line order, that\n"
         "is neither 0 nor 7; 7 when all others are 0. restore takes one port.\n"
         "\n"
         "Exit codes: 0 success, 1 system error, 2 usage or refused value, 3 no answer (or\n"
         "a word --verify read back otherwise), 4 identification failed, 5 file error,\n"
         "6 port could not be opened or went away, 7 diff found a difference, 8 the output\n"
         "check failed or was cancelled.\n";
}

std::string CommandHelpText(const CommandHelp& help) {
  std::string usage = "Usage: zelto-cli [OPTIONS] " + std::string(help.name);
  if (!help.synopsis.empty())
    usage.append(" ").append(help.synopsis);
  std::string text = Wrapped(usage, kUsageIndent) + "\n\n" + std::string(help.summary) + "\n";
  if (help.needsDevice)
    text +=
        "The device: --port PATH or --com N before the command, once per port for\n"
        "several.\n";
  if (const auto operations = Selected(help.options, true); !operations.empty())
    text += "\nOperations:\n" + OptionLines(operations);
  if (const auto options = Selected(help.options, false); !options.empty())
    text += "\nOptions:\n" + OptionLines(options);
  text.append("\n").append(Wrapped(help.prints, 0)).append("\n");
  if (!help.json.empty())
    text += "\nWith --json:\n" + Wrapped(help.json, 0) + "\n";
  return text + "\nExit codes:\n" + ExitLines(help) +
         "\nThe options before the command: zelto-cli --help\n";
}

}  // namespace zelto::cli
