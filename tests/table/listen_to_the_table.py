#!/usr/bin/python3
"""A screen reader's client at the table: answers the name prompt, deals, holds a card, draws,
then reads the statistics, help, rankings, about and exit windows, all through AT-SPI, the
interface Orca reads. Prints what it heard; exits non-zero at the first thing it did not hear.

Run by listen_to_the_table.sh, which starts the display, the buses, this client and, once the
client writes a line to LISTENING (a pipe) to say its listeners are registered, the game
(ListeningTable).
Usage: listen_to_the_table.py APPLICATION-NAME LISTENING
"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

WAIT = 10.0  # seconds for anything the game is to do
RETURN_KEYCODE = 36  # the Return key in the X server's default keymap
TABLE_TITLE = "Calvarro Ruvizu Zaz Uvedo Zivuv"
# Roles that group other objects and need no name of their own.
UNNAMED_GROUPS = {"menu bar", "popup menu"}
# Roles whose inner parts (a text box's viewport) are read through the whole.
READ_WHOLE = {"text"}


class NotHeard(Exception):
    pass


def say(line=""):
    print(line, flush=True)


# ---- Listening ----

heard = []


def describe(node):
    return f'{node.getRoleName()} "{node.name}"'


def on_event(event):
    try:
        kind = event.type.replace("object:", "")
        event.source.clear_cache()  # read what the object says now, not what was cached
        if kind.startswith("children-changed"):
            heard.append(f"{kind}: {describe(event.any_data)} in {describe(event.source)}")
        elif kind == "property-change:accessible-name":
            heard.append(f'name: {event.source.getRoleName()} now "{event.source.name}"')
        elif kind == "property-change:accessible-description":
            heard.append(
                f'description: {event.source.getRoleName()} now "{event.source.description}"')
        else:
            heard.append(f"{kind}={event.detail1}: {describe(event.source)}")
        if not has(event.source, pyatspi.STATE_SHOWING):
            heard[-1] += "  (from a hidden object)"
    except Exception as error:  # the source may be gone by now
        heard.append(f"{event.type}: ({error})")


def pump(seconds, until=None):
    """Runs the client's event loop for `seconds`, or until `until()` is true."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if until is not None and until():
            return True
        if time.monotonic() >= end:
            return False
        time.sleep(0.02)


def wait_for(what, probe):
    found = [None]

    def look():
        try:
            found[0] = probe()
        except Exception:  # objects come and go while the game works
            found[0] = None
        return bool(found[0])

    if not pump(WAIT, look):
        raise NotHeard(f"never heard {what}")
    return found[0]


def hear(wanted):
    """Listens until every line of `wanted` has been heard; prints all that was heard."""
    pump(WAIT, lambda: all(line in heard for line in wanted))
    pump(0.2)  # and whatever else the step told
    for line in heard:
        say(f"    heard  {line}")
    missing = [line for line in wanted if line not in heard]
    hidden = [line for line in heard if line.endswith("(from a hidden object)")]
    heard.clear()
    if missing:
        raise NotHeard(f"never heard  {missing[0]}")
    if hidden:
        raise NotHeard(f"heard a control that is not shown: {hidden[0]}")


# ---- Reading the tree ----


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def find(node, role, name=None):
    for each in walk(node):
        if each.getRoleName() == role and (name is None or each.name == name):
            return each
    return None


def has(node, state):
    return node.getState().contains(state)


def window_named(app, title):
    return next((w for w in children(app) if w.name == title and has(w, pyatspi.STATE_SHOWING)),
                None)


def read(container):
    """The offered children in order, as a screen reader walks them: role, name, description."""
    rows = []
    for child in children(container):
        row = (child.getRoleName(), child.name)
        rows.append(row)
        extra = f"  ({child.description})" if child.description else ""
        text = ""
        if row[0] == "text":
            text = "  text: " + child.queryText().getText(0, 60).split("\r")[0] + "..."
        states = [s for s, flag in (("focused", pyatspi.STATE_FOCUSED),
                                    ("checked", pyatspi.STATE_CHECKED))
                  if has(child, flag)]
        if not has(child, pyatspi.STATE_ENABLED):
            states.append("dimmed")
        say(f"    {row[0]}: {row[1]}{extra}{text}" + (f"  [{', '.join(states)}]" if states else ""))
    return rows


def check_everything_offered_is_shown_and_named(top):
    for node in walk(top):
        if node.getRoleName() in UNNAMED_GROUPS or node.parent.getRoleName() in READ_WHOLE:
            continue
        if not node.name:
            raise NotHeard(f"an unnamed {node.getRoleName()} in {describe(node.parent)}")
        if node.getRoleName() != "menu item" and not has(node, pyatspi.STATE_SHOWING):
            raise NotHeard(f"a hidden {describe(node)} is offered")


def expect_rows(rows, wanted):
    if rows != wanted:
        raise NotHeard(f"read {rows}\n  instead of {wanted}")


def act(node, action):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == action:
            actions.doAction(i)
            return
    raise NotHeard(f"{describe(node)} offers no {action} action")


def choose(frame, entry):
    act(find(frame, "menu item", entry), "Press")


# ---- The session ----

CARDS_DEALT = ["Three of hearts", "Nine of clubs", "Five of hearts", "Seven of hearts",
               "King of hearts"]
CARDS_DRAWN = ["Three of hearts", "Jack of hearts", "Eight of hearts", "Queen of hearts",
               "Four of hearts"]


LEFT_CHART = ("Pay table: Royal Flush + 3000 Credits, 4 Deuces + 1000 Credits, "
              "Royal Flush (Deuces) + 125 Credits, 5 Of a Kind + 80 Credits, "
              "Straight Flush + 50 Credits")
RIGHT_ROWS = ("4 of a Kind + 20 Credits, Full House + 20 Credits, Flush + 15 Credits, "
              "Straight + 10 Credits, 3 of a Kind + 5 Credits")
FLUSH_LIT = "Pay table, lit: Flush + 15 Credits. " + RIGHT_ROWS


def table_rows(button, caption, cards, credits, right_chart="Pay table: " + RIGHT_ROWS):
    rows = [("label", LEFT_CHART), ("push button", button), ("label", right_chart),
            ("label", caption)]
    rows += [("image", card) for card in cards]
    rows += [("check box", f"Hold {i}") for i in range(1, 6)]
    return rows + [("label", "Player: Ada"), ("label", f"Credits: {credits}")]


def answer_the_name_prompt(app):
    say("The name prompt:")
    prompt = wait_for("the name prompt", lambda: find(app, "dialog", "Enter Your Name"))
    read(prompt)
    find(prompt, "text").queryEditableText().setTextContents("Ada")
    act(find(prompt, "push button", "OK"), "Press")


def play_a_hand(frame):
    table = find(frame, "filler", "Card table")
    say("\nThe table opens:")
    expect_rows(read(table), table_rows("Deal", "Press Deal To Start The Game", [], 200))
    check_everything_offered_is_shown_and_named(frame)
    deal = find(table, "push button", "Deal")
    if not has(deal, pyatspi.STATE_FOCUSED):
        raise NotHeard("the deal button does not have the focus")
    heard.clear()

    say("\nHold Enter down for a second and a half (the X server repeats it):")
    wait_for("the table active", lambda: has(frame, pyatspi.STATE_ACTIVE))
    pyatspi.Registry.generateKeyboardEvent(RETURN_KEYCODE, None, pyatspi.KEY_PRESS)
    pump(1.5)
    pyatspi.Registry.generateKeyboardEvent(RETURN_KEYCODE, None, pyatspi.KEY_RELEASE)
    wait_for('the button named "Draw"', lambda: deal.name == "Draw")
    hear(['name: label now "Hold Any Cards And Draw"', 'name: push button now "Draw"'] +
         [f'children-changed:add: image "{card}" in filler "Card table"' for card in CARDS_DEALT])
    # One deal and no draw: the repeats did nothing.
    expect_rows(read(table), table_rows("Draw", "Hold Any Cards And Draw", CARDS_DEALT, 195))
    check_everything_offered_is_shown_and_named(table)

    say("\nHold the first card:")
    act(find(table, "check box", "Hold 1"), "Toggle")
    wait_for("the card held", lambda: find(table, "image", "Three of hearts, held"))
    hear(['state-changed:checked=1: check box "Hold 1"',
          'name: image now "Three of hearts, held"'])

    say("\nPress Draw:")
    act(deal, "Press")
    wait_for('the button named "Deal"', lambda: deal.name == "Deal")
    hear(['name: label now "You Won With A Flush"',
          f'name: label now "{FLUSH_LIT}"',
          'description: push button now "You Won With A Flush"',
          'name: label now "Credits: 210"',
          'name: push button now "Deal"'])
    expect_rows(read(table), table_rows("Deal", "You Won With A Flush", CARDS_DRAWN, 210,
                                        FLUSH_LIT))
    if not has(deal, pyatspi.STATE_FOCUSED):
        raise NotHeard("the deal button lost the focus at the draw")


def read_window(app, frame, entry, title, wanted_names, close="OK"):
    say(f"\n{entry}:")
    choose(frame, entry)
    window = wait_for(f'the window "{title}"', lambda: window_named(app, title))
    names = [name for _, name in read(window)]
    check_everything_offered_is_shown_and_named(window)
    missing = [name for name in wanted_names if name not in names]
    if missing:
        raise NotHeard(f"{title} never says {missing}")
    if [n for n in names if n in wanted_names] != wanted_names:
        raise NotHeard(f"{title} reads out of order: {names}")
    act(find(window, "push button", close), "Press")
    return window, names


def read_the_windows(app, frame):
    _, names = read_window(app, frame, "View Statistics", "Statistics of Ada", [
        "Ada", "Credits Available: 210", "Hands Played: 1", "Hands Won: 1",
        "Overall Win Percentage: 100.", "Royal Flushes, Won: 0", "Royal Flushes, Win %: .000",
        "Flushes, Won: 1", "Flushes, Win %: 100.", "Last Royal Flush w/2's Won: Never Won",
        "Last 4 Deuces Won: Never Won", "Last Royal Flush Won: Never Won"])
    if not names[1].startswith("Date Account Created: "):
        raise NotHeard("the statistics do not start with the account's date")
    bare = [n for n in names if n in ("Hands Played", "Flushes", "Total Credits Won/Lost")]
    if bare:
        raise NotHeard(f"captions read apart from their values: {bare}")
    read_window(app, frame, "Playing the game", "Verudu Vuro Verir Azivi Instructions",
                ["Game Objective", "Game Specialty", "Playing The Game", "OK"])
    read_window(app, frame, "Hand Rankings", "Hand Rankings", ["Hand Rankings", "OK"])
    read_window(app, frame, "About", "About Verudu Vuro Verir Azivi",
                ["Visit The Calvarro", "Check For New Version", "OK"])


def leave(app, frame):
    say("\nExit:")
    choose(frame, "Exit")
    window = wait_for('the window "Thanks For Playing"',
                      lambda: window_named(app, "Thanks For Playing"))
    names = [name for _, name in read(window)]
    check_everything_offered_is_shown_and_named(window)
    if len(names) != 3 or "Thank You For Playing." not in names[0] or names[1:] != [
            "Visit Calvarro", "Exit"]:
        raise NotHeard(f"the exit window reads {names}")
    act(find(window, "push button", "Exit"), "Press")


def main():
    application, listening = sys.argv[1:3]
    desktop = pyatspi.Registry.getDesktop(0)
    # Each registration has reached the registry when the call returns.
    pyatspi.Registry.registerEventListener(
        on_event, "object:property-change:accessible-name",
        "object:property-change:accessible-description", "object:children-changed",
        "object:state-changed:checked")
    with open(listening, "w") as pipe:
        pipe.write("listening\n")
    app = wait_for(f"{application} on the accessibility bus",
                   lambda: next((a for a in children(desktop) if a and a.name == application),
                                None))
    answer_the_name_prompt(app)
    frame = wait_for("the table", lambda: window_named(app, TABLE_TITLE))
    play_a_hand(frame)
    read_the_windows(app, frame)
    leave(app, frame)
    say("\nEverything was heard as expected.")


if __name__ == "__main__":
    try:
        main()
    except NotHeard as problem:
        say(f"\nFAILED: {problem}")
        sys.exit(1)
