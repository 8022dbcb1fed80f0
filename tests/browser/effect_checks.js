// Put at the end of the page body by run_page_checks.py. Once the page has loaded it drives
// the fields the way a user would (events go through the fields' own inline attributes), checks
// what the page's functions did and writes one line per check into a pre element with the id
// "zirirur-results", which it hands to the runner too (the binding window.zirirurRunner).
//
// ZirirurUser gives a check the browser's own input, through the runner: click(element, clicks)
// (the mouse at the element's middle, once or several times in a row), press(key) (Enter,
// Backspace, ArrowDown, ArrowUp), type(text) to the focused element, and wait(ms); each gives a
// promise kept once the browser has taken the input. A check may return a promise.
//
// The runner defines window.ZirirurBrowserChecks (a list of "kind:field[:argument]") and, first
// thing in the head, window.ZirirurBrowserErrors (every error the page raised). The field is
// found by id, else by name. Kinds:
//   script:ID              one SCRIPT element with this id in the head, its functions defined
//   upper:F  lower:F       leaving the field turns its text to upper / lower case
//   numbers:F              leaving the field keeps only its digits
//   value:F:IN=>OUT        typing IN and leaving the field leaves OUT (several effects at once)
//   counter:F:N            a key release holds the text to N characters
//   nocounter:F            a key release cuts nothing (the limit is missing, zero or negative)
//   status:F:TEXT          the status text is TEXT on focus and " " on leaving
//   lock:F                 the field gives up the focus at once
//   bold:F                 bold on focus, normal on leaving
//   highlight:F:B/T:B/T    the computed background and text colours (#RRGGBB) with the focus,
//                          then without it: before the focus, on it and after leaving; an
//                          empty colour is not looked at
//   font:F:FAMILY          the field's inline and computed font family is FAMILY
//   group:NAME:CHECKED:V1|V2...  the radio buttons named NAME have the values V1, V2... in
//                          order, in one form; only the one of value CHECKED is checked (none
//                          for an empty CHECKED), and clicking each checks it alone
//   gone:REF               no element has this id or name any more
//   kept:F                 the field is still there, in a form
//   charset:LABEL          the browser read the page in this charset
//   text:ID:TEXT           the element's text is TEXT
//   holds:F:TEXT           the field's value, as the page gives it, is TEXT
//   images:N               the page shows N pictures, each one loaded
(function () {
    "use strict";

    const lines = [];
    const errors = window.ZirirurBrowserErrors || [];

    // The functions each script element must define.
    const scriptFunctions = {
        VQRTextFuncs: ["VQRMakeUpper", "VQRMakeLower", "ZirirurNumberOnly", "ZirirurTextCounter"],
        VQRStatus: ["ZirirurStatus"],
    };

    function fieldNamed(ref) {
        return document.getElementById(ref) || document.getElementsByName(ref)[0] || null;
    }

    // A dispatched event runs the inline attribute just as a real one does; unlike focus() it
    // works on a locked field too, so each effect is checked on its own.
    function fire(field, type) {
        const event = type === "keyup"
            ? new KeyboardEvent("keyup", {bubbles: true, key: "a", code: "KeyA"})
            : new FocusEvent(type);
        field.dispatchEvent(event);
    }

    function show(text) {
        return text === undefined ? "undefined" : JSON.stringify(text);
    }

    function expectValue(field, expected, what) {
        return field.value === expected ? ""
            : what + ": value " + show(field.value) + ", expected " + show(expected);
    }

    function typeThenLeave(field, text) {
        fire(field, "focus");
        field.value = text;
        fire(field, "blur");
    }

    function normalFamily(family) {
        return family.replace(/["']/g, "").replace(/\s*,\s*/g, ",").trim().toLowerCase();
    }

    function canPlaceCaret(field) {
        try {
            field.setSelectionRange(1, 1);
            return field.selectionStart === 1;
        } catch (e) {
            return false; // inputs such as type=number have no caret to keep
        }
    }

    const kinds = {
        script(id) {
            const found = document.querySelectorAll("[id=\"" + id + "\"]");
            if (found.length !== 1) {
                return found.length + " elements with this id, expected 1";
            }
            const element = found[0];
            if (element.tagName !== "SCRIPT") {
                return "the element is " + element.tagName + ", not SCRIPT";
            }
            if (element.parentNode !== document.head) {
                return "the script element is not in the head";
            }
            const missing = (scriptFunctions[id] || []).filter((name) =>
                typeof window[name] !== "function");
            return missing.length ? "not defined: " + missing.join(", ") : "";
        },

        upper(field) {
            typeThenLeave(field, "Abc xyZ 12");
            return expectValue(field, "ABC XYZ 12", "upper case");
        },

        lower(field) {
            typeThenLeave(field, "Abc xyZ 12");
            return expectValue(field, "abc xyz 12", "lower case");
        },

        numbers(field) {
            typeThenLeave(field, "-1,250.5 ab3\u0661");
            return expectValue(field, "125053", "numbers only");
        },

        // "input=>expected": what the field holds after the user types input and leaves it,
        // for fields that carry several effects at once.
        value(field, arg) {
            const split = arg.indexOf("=>");
            if (split < 0) {
                return "argument must be input=>expected";
            }
            typeThenLeave(field, arg.slice(0, split));
            return expectValue(field, arg.slice(split + 2), "after leaving");
        },

        counter(field, arg) {
            const limit = Number(arg);
            if (!(limit > 0)) {
                return "bad limit " + show(arg);
            }
            const problems = [];
            const note = (problem) => problem && problems.push(problem);

            // Exactly at the limit: nothing cut, and the caret stays where the user put it.
            field.value = "x".repeat(limit);
            const caret = canPlaceCaret(field);
            fire(field, "keyup");
            note(expectValue(field, "x".repeat(limit), "at the limit"));
            if (caret && field.selectionStart !== 1) {
                note("at the limit: caret moved to " + field.selectionStart);
            }

            // Pasted text longer than the limit is cut when the next key comes.
            field.value = "y".repeat(limit + 7);
            fire(field, "keyup");
            note(expectValue(field, "y".repeat(limit), "pasted past the limit"));

            // A character of two code units across the limit goes whole.
            field.value = "z".repeat(limit - 1) + "\uD83D\uDE00";
            fire(field, "keyup");
            note(expectValue(field, "z".repeat(limit - 1), "wide character at the limit"));
            return problems.join("; ");
        },

        // A counter whose limit is missing, zero or negative must leave the text alone.
        nocounter(field) {
            const long = "q".repeat(300);
            field.value = long;
            fire(field, "keyup");
            return expectValue(field, long, "no usable limit");
        },

        status(field, text) {
            window.ZirirurStatusText = undefined;
            fire(field, "focus");
            const shown = window.ZirirurStatusText;
            fire(field, "blur");
            const cleared = window.ZirirurStatusText;
            if (shown !== text) {
                return "on focus the status text is " + show(shown) + ", expected " + show(text);
            }
            return cleared === " " ? ""
                : "on leaving the status text is " + show(cleared) + ", expected \" \"";
        },

        // Real focus here: the field must give it up at once. Without its onfocus the same
        // field must keep it, so the check cannot pass for a field that takes no focus at all.
        lock(field) {
            field.focus();
            const locked = document.activeElement !== field;
            const statement = field.getAttribute("onfocus");
            field.removeAttribute("onfocus");
            field.focus();
            const focusable = document.activeElement === field;
            field.blur();
            if (statement !== null) {
                field.setAttribute("onfocus", statement);
            }
            if (!focusable) {
                return "the field takes no focus even without its onfocus";
            }
            return locked ? "" : "the field kept the focus";
        },

        bold(field) {
            fire(field, "focus");
            const entered = getComputedStyle(field).fontWeight;
            fire(field, "blur");
            const left = getComputedStyle(field).fontWeight;
            if (entered !== "700") {
                return "font weight on focus is " + entered + ", expected 700";
            }
            return left === "400" ? "" : "font weight on leaving is " + left + ", expected 400";
        },

        highlight(field, arg) {
            const [focused, left] = arg.split(":").map((pair) => pair.split("/"));
            if (!left || focused.length !== 2 || left.length !== 2) {
                return "argument must be BACKGROUND/TEXT:BACKGROUND/TEXT";
            }
            const rgb = (hex) => "rgb(" + [1, 3, 5].map((at) =>
                parseInt(hex.slice(at, at + 2), 16)).join(", ") + ")";
            const problems = [];
            const expectColours = (expected, when) => {
                const style = getComputedStyle(field);
                const seen = [style.backgroundColor, style.color];
                ["background", "text colour"].forEach((what, i) => {
                    if (expected[i] && seen[i] !== rgb(expected[i])) {
                        problems.push(when + ": " + what + " " + seen[i] + ", expected " +
                            rgb(expected[i]));
                    }
                });
            };
            expectColours(left, "before the focus");
            fire(field, "focus");
            expectColours(focused, "with the focus");
            fire(field, "blur");
            expectColours(left, "after leaving");
            return problems.join("; ");
        },

        group(name, arg) {
            const split = arg.indexOf(":");
            const checked = arg.slice(0, split);
            const values = arg.slice(split + 1).split("|");
            const buttons = Array.from(document.getElementsByName(name));
            if (buttons.some((b) => b.tagName !== "INPUT" || b.type !== "radio")) {
                return "not every element of this name is a radio button";
            }
            const found = buttons.map((b) => b.value);
            if (JSON.stringify(found) !== JSON.stringify(values)) {
                return "values " + show(found) + ", expected " + show(values);
            }
            const form = buttons[0].form;
            if (!form || buttons.some((b) => b.form !== form)) {
                return "the buttons are not in one form";
            }
            const marked = buttons.filter((b) => b.checked).map((b) => b.value);
            const expected = checked ? [checked] : [];
            if (JSON.stringify(marked) !== JSON.stringify(expected)) {
                return "checked " + show(marked) + ", expected " + show(expected);
            }
            if (form.elements[name].value !== checked) {
                return "the form gives the group the value " + show(form.elements[name].value);
            }
            for (const button of buttons) {
                button.click();
                const now = buttons.filter((b) => b.checked);
                if (now.length !== 1 || now[0] !== button) {
                    return "clicking " + show(button.value) + " leaves " + now.length + " checked";
                }
            }
            return "";
        },

        gone(ref) {
            const left = document.getElementById(ref) || document.getElementsByName(ref)[0];
            return left ? "a " + left.tagName + " is still there" : "";
        },

        kept(field) {
            return field.form ? "" : "the field is in no form";
        },

        charset(label) {
            return document.characterSet === label ? ""
                : "read as " + show(document.characterSet);
        },

        text(id, expected) {
            const element = document.getElementById(id);
            if (!element) {
                return "no element with this id";
            }
            return element.textContent === expected ? ""
                : "text " + show(element.textContent) + ", expected " + show(expected);
        },

        holds(field, expected) {
            return field.value === expected ? ""
                : "value " + show(field.value) + ", expected " + show(expected);
        },

        images(count) {
            const images = Array.from(document.images);
            if (images.length !== Number(count)) {
                return images.length + " pictures, expected " + count;
            }
            const missing = images.filter((image) => !image.complete || image.naturalWidth === 0);
            return missing.length ? "not loaded: " + missing.map((image) => image.src).join(", ")
                : "";
        },

        font(field, family) {
            const inline = normalFamily(field.style.fontFamily);
            const computed = normalFamily(getComputedStyle(field).fontFamily);
            const expected = normalFamily(family);
            if (inline !== expected) {
                return "inline font family " + show(inline) + ", expected " + show(expected);
            }
            return computed === expected ? "" : "computed font family " + show(computed);
        },
    };

    const asked = new Map();
    let lastAsked = 0;
    function ask(action) {
        return new Promise((resolve) => {
            action.id = ++lastAsked;
            asked.set(action.id, resolve);
            window.zirirurRunner(JSON.stringify(action));
        });
    }

    window.ZirirurUser = {
        answered(id) {
            asked.get(id)();
            asked.delete(id);
        },
        click(element, clicks = 1) {
            element.scrollIntoView({block: "center", inline: "center"});
            const box = element.getBoundingClientRect();
            return ask({act: "click", x: box.left + box.width / 2, y: box.top + box.height / 2,
                clicks});
        },
        press(key) {
            return ask({act: "key", key});
        },
        type(text) {
            return ask({act: "type", text});
        },
        wait(ms) {
            return new Promise((resolve) => setTimeout(resolve, ms));
        },
    };

    // Kinds of other tools' checks, put before this script (run_page_checks.py --extra-checks).
    Object.assign(kinds, window.ZirirurExtraChecks || {});

    // Kinds that look over the page themselves: they take the reference as it is written.
    const pageKinds = ["script", "group", "gone", "charset", "text", "images"];

    function report(name, problem) {
        lines.push(problem ? "FAIL " + name + ": " + problem : "PASS " + name);
    }

    // Focus must work in this browser at all, or the lock check would prove nothing.
    function probeFocus() {
        const probe = document.createElement("input");
        let events = 0;
        probe.addEventListener("focus", () => events++);
        document.body.appendChild(probe);
        probe.focus();
        const taken = document.activeElement === probe;
        probe.remove();
        if (!document.hasFocus()) {
            return "the page never got the focus";
        }
        return taken && events === 1 ? "" : "focus() gave no focus event";
    }

    // A handler that fails on every key press fails alike each time: each error once, counted.
    function eachOnce(raised) {
        return [...new Set(raised)].map((error) =>
            error + " (" + raised.filter((same) => same === error).length + " times)").join(" | ");
    }

    async function runChecks() {
        report("focus works", probeFocus());
        for (const check of window.ZirirurBrowserChecks || []) {
            await runCheck(check);
        }

        // Errors of the page itself, for instance a script file that does not parse.
        report("no script errors", errors.length ? eachOnce(errors) : "");

        const results = document.createElement("pre");
        results.id = "zirirur-results";
        results.textContent = lines.join("\n") + "\nEND\n";
        document.body.appendChild(results);
        window.zirirurRunner(JSON.stringify({results: results.textContent}));
    }

    async function runCheck(check) {
        const parts = check.split(":");
        const kind = parts[0];
        const ref = parts[1] || "";
        const arg = parts.slice(2).join(":");
        const errorsBefore = errors.length;
        let problem = "";
        try {
            if (!kinds[kind]) {
                problem = "unknown check";
            } else if (pageKinds.includes(kind)) {
                problem = await kinds[kind](ref, arg);
            } else {
                const field = fieldNamed(ref);
                problem = field ? await kinds[kind](field, arg) : "no field with this id or name";
            }
        } catch (e) {
            problem = "threw " + e;
        }
        const raised = errors.slice(errorsBefore);
        if (raised.length) {
            problem = (problem ? problem + "; " : "") + "errors: " + eachOnce(raised);
        }
        report(check, problem);
    }

    // Without the focus, focus() moves the active element without any focus event, so a locked
    // field would seem to keep it. Wait for the focus and for the page's pictures to load, and
    // run the checks anyway after 3 seconds, when the focus probe or the picture check reports
    // the failure.
    let waited = 0;
    (function whenFocused() {
        const ready = document.hasFocus() && document.readyState === "complete";
        if (ready || waited >= 300) {
            runChecks();
            return;
        }
        waited++;
        setTimeout(whenFocused, 10);
    })();
})();
