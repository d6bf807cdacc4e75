#include "apps/qorhost/help_text.h"

namespace qorhost {

const char* const kUsage = R"(usage:
  qorhost run [--trace] FILE...   run scenario files; exit status 0 only when all pass
  qorhost demo                    the guided tour, with a transcript of what the host does
  qorhost help                    this text and the scenario language
)";

const char* const kLanguageHelp = R"(SCENARIO FILES
  One command per line; blank lines and lines starting with # are ignored (in the tour, the
  # lines above a command are its explanation). Tokens are separated by blanks; a token with
  blanks, or an empty one, is written in double quotes, where \" is a quote, \\ a
  backslash, \r a carriage return and \n a line feed (any other backslash stays as it is;
  outside quotes a backslash is an ordinary character). A quoted part may sit inside a
  token: title="a b". Each scenario begins with `scenario <name>` (the name is the rest of
  the line; quotes are optional) and starts from a fresh copy of the demo company, no
  window, session "main" logged in as user 1, no queued answers, and 2026-12-15 as today.
  A file that is not valid UTF-8 is refused as a whole: its FAIL line names the file, the
  line of the first bad byte, and how to convert it (iconv -f GB18030 -t UTF-8).

SETTING UP
  database demo|empty            replace the database (see CHOICES)
  sql "<statement>"              one statement on the current session's connection
  profile <category> <key> <value>   set t_SystemProfile.FValue (row added when missing)
  login <userId>                 the current session logs in as that user
  session <name>                 switch to a session, created logged in as user 1
                                 (process ids 1000, 1001, ... in order of creation)
  today <yyyy-mm-dd>             the date the host reports as today (2026-12-15 until set)

WINDOWS
  open <bill> new | open <bill> <billId> | open <bill> no=<billNo>    (edit mode 1 / 2)
                                 (a bill id below 1, like an unknown one, is an error)
  open <bill> <billId> view | open <bill> no=<billNo> view              (edit mode 0)
  open <list-or-tree>
  open <list> pick               a list of bills opened to pick a bill for another window
                                 (its ShowMode is 3)
  close
  bills: receipt payment other-receivable other-payable
  lists: receipt-list payment-list other-receivable-list other-payable-list
         sales-invoice-list purchase-invoice-list initial-list type-tree type-list

ACTING
  set <field> <value> | set <field>[<row>] <value>     rows count from 1
  add-row | delete-row <row> | click <tool>
  press <tool>              the tool's keyboard shortcut: as click, but the tool only has
                            to exist and be enabled (its tool-set copy; a tool only in
                            bands: any enabled copy); hidden tools can be pressed. Bill
                            editors, lists and the type tree.
  select <tool> <pick>...   pick: INV0001 | id=<billId>, optionally with #<n>, written
                            apart (INV0001 #2) or attached (INV0001#2); no limit on
                            their number
  select <tool> all         every line the window offers, in its order (a window that
                            offers none closes as without a choice)
  rows <billNo>...          (no bill number: select no row)
  tree group <id> | tree item <id> | focus <control>
                            type tree: group 1000207 is the class itself (selected on
                            opening); an item may lie at any depth under the selected group;
                            controls tvwGroup (tree), grid (items), GridResult (search results)
  answer yes|no|ok|cancel...     (no limit on their number)

CHECKING
  expect message "<text>" [buttons=<n>] [title="<title>"]   options in any order
  expect message-starting "<text>" [buttons=<n>] [title="<title>"]
  expect no-message
  expect field <field>[<row>] <value>     | expect text <field>[<row>] "<text>"
  expect modified [<field>[<row>]]        | expect unmodified [<field>[<row>]]
         a field's modify flag; without a field, the bill: some field changed or a row
         was added or deleted since it was loaded, created or saved
  expect column <field> visible|hidden    an entry column of page 2
  expect decimals <field>[<row>] <n> [edit=<m>]   shown decimals (of the cell, when a
         row is given) and the decimals accepted when typed
  expect active <field>[<row>]            the field that has the focus (the last typed
         into, or set active by the plug-in); row 0/none for a header field
  expect locked <field>[<row>]            | expect unlocked <field>[<row>]
  expect rows <n>
  expect band <band> visible|hidden|caption="<text>"...
  expect tool <key> <state>... [band=<band>]
         states: visible hidden enabled disabled checked unchecked begin-group
                 caption="<text>" description="<text>" tooltip="<text>"
                 picture=<key> (picture=none: no picture) value=<n>
                 position=<n> (1-based place among the band's tools; needs band=)
  expect refused | accepted | cancelled | not-cancelled | saved | not-saved
  expect error <number>
  expect status <panel> "<text>"
  expect sql "<query>" <value>
  expect offered <pick>... | expect not-offered <pick>...
  expect offered-order <pick>...   these lines in this order (others may stand between)
  expect help <file> [<topic>] | expect voucher <id> | expect display <n>
  expect bill-shown <id> | expect related <billTypeId> <billId>
  expect help|voucher|display|bill-shown|related none
         An expect of these kinds takes what was shown: `none` then holds until
         something of that kind is shown again, while a repeated expect of the same
         thing still reads the last one shown.

COMPARING VALUES (expect field, expect sql, expect voucher, value=)
  An unquoted value that reads as a plain decimal number (12, -3.5, 1e3) compares
  numerically with a stored number, or a stored text that reads as one: equal when they
  differ by less than 1e-9 of the larger magnitude, or by less than 1e-9. Anything else
  compares as exact text with the stored value's text ("1.00" differs from 1). Empty and
  Null read as "", booleans as -1/0 (numbers) or True/False (text), dates as yyyy-mm-dd.
  expect sql reads the first column of the first row; no row reads as "". It runs read-only:
  a statement that would write is an error of the scenario (use sql to change data).

CHOICES WHERE THE LANGUAGE IS SILENT
  - A scenario stops at its first failing line. A bad line (unknown command, wrong number
    of arguments, unknown window name, malformed number, field or pick) fails its scenario
    before it runs; the other scenarios of the file still run. A command before the first
    `scenario` line fails the file.
  - database demo|empty ends every session (their windows close, their locks go), replaces
    the file and starts over in session "main" as user 1; today's date, queued answers and
    the message boxes shown so far are kept.
  - Windows, checks and actions belong to the current session; `expect message` reads the
    message boxes of every session, oldest first.
  - expect error reads the error the last window action (open, close, set, add-row,
    delete-row, click, select, rows, tree, focus) of the current session raised to the
    host; `expect error 0` checks that it raised none. An action whose window closed
    itself leaves no error to read.
  - expect refused/accepted, cancelled/not-cancelled and saved/not-saved read the outcome
    kept by the current window.
  - expect offered INV0001 holds when any line of INV0001 was offered; INV0001#2 only that
    line. Document numbers compare without regard to case.
  - expect tool without band= checks every place the key appears; a key found nowhere,
    an unknown band, field or tool is an error of the scenario.
  - Answers queued and never used are dropped at the end of the scenario. Message boxes
    not checked off fail the scenario at the line of the command that showed them.
  - A run-time error that reaches the runner without the host showing it fails the
    scenario with its number and description.

OUTPUT
  PASS <file>: <scenario>
  FAIL <file>: <scenario>: line <n>: <expected> / <found>
  N passed, M failed
  When the expected part is the command itself, a command longer than 72 characters is
  shown cut there, followed by "...".
  An unknown subcommand (qorhost frob) says so, prints the usage and exits with 2.
  --trace adds, for each scenario, its name, each command as "  <line>: <command>" and,
  indented below it, the events raised to the plug-in, message boxes, answers used and
  SQL statements (after "  -- " their parameters: texts in single quotes, a quote doubled,
  backslash, CR, LF and tab written \\ \r \n \t).
  The scenario databases live in a private temporary folder, removed at the end, and also
  when qorhost is interrupted (SIGINT, SIGTERM, SIGHUP) or its output pipe closes.
)";

const char* const kTourIntro =
    R"(青岚 AR/AP 单据演示 — a tour of the AR/AP documents in the reference host.
Each step shows its explanation (#), the command with its line, and indented below it what
the host did: plug-in classes created, events raised to them, locks, message boxes and
answers. From the source folder, `qorhost run --trace apps/qorhost/tour/*.scn` shows the
SQL statements as well.

)";

}  // namespace qorhost
