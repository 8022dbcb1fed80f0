// Check kinds for the quick form components, put before effect_checks.js by run_page_checks.py
// (--extra-checks), which adds them to its own. Each drives the component as a visitor would,
// with the browser's own mouse and keyboard (ZirirurUser, see effect_checks.js), and says what
// went wrong ("" when nothing did). Kinds:
//   caption:F:TEXT           the button shows TEXT
//   form:F:NAME              the field lies in the form named NAME
//   shown:F                  the field is on the page for the visitor to see
//   confirmreset:F:QUESTION  the reset button asks QUESTION; Cancel keeps the form, OK clears it
//   email:F                  the field refuses addresses that cannot be right, and so the form
//   goto:F:A1|A2...          a click on each button named F, in page order, goes to its address;
//                            for an empty one the button is disabled and its tip says so
//   jump:F:T1=A1|T2=A2...    the list offers the pages T1, T2...; the arrow keys only move
//                            through it, Enter or the Go button goes to the page shown, and so
//                            does a choice made with the mouse
//   required:F:N1,N2...      the button sends the form only once the fields or groups N1, N2...
//                            are filled in, asking for each in turn; each name that the form
//                            lacks is told to the page's author once
//   submitonce:F             the button sends its form once at a time, into the window of the
//                            form's target and into a new one; once the sending is over (a
//                            moment later, or at once when a sending in this window failed) the
//                            form sends again
//   countdown:F:LIMIT        the text area stops at LIMIT, shows what is left under it while
//                            the visitor types, and again after the form's Reset
(function () {
    "use strict";

    function show(value) {
        return JSON.stringify(value);
    }

    // Every navigation of the page is noted and stopped, so that the page stays for the next
    // check: for a form's sending in this window it stands for one that failed. Every form
    // submission is noted with whether the page had refused it; none is stopped here.
    const navigations = [];
    const submissions = [];
    navigation.addEventListener("navigate", (event) => {
        navigations.push(event.destination.url);
        event.preventDefault();
    });
    window.addEventListener("submit", (event) => submissions.push(event.defaultPrevented));

    // What act (a promise) added to a log.
    async function addedDuring(log, act) {
        const before = log.length;
        await act();
        return log.slice(before);
    }

    const navigationsDuring = (act) => addedDuring(navigations, act);
    const submissionsDuring = (act) => addedDuring(submissions, act);

    // Waits until the condition holds, for five seconds at most; says whether it does.
    async function until(condition) {
        for (let tries = 0; tries < 100 && !condition(); tries++) {
            await ZirirurUser.wait(50);
        }
        return condition();
    }

    function expectGoesTo(addresses, address) {
        const wanted = new URL(address, document.baseURI).href;
        if (addresses.length !== 1) {
            return addresses.length + " navigations, expected one to " + wanted;
        }
        return addresses[0] === wanted ? "" : "went to " + addresses[0] + ", expected " + wanted;
    }

    function textFieldOf(form) {
        return Array.from(form.elements).find((field) =>
            field.tagName === "TEXTAREA" || (field.tagName === "INPUT" && field.type === "text"));
    }

    // Types text over what the field holds, as a visitor who selects it all first.
    async function typeOver(field, text) {
        field.focus();
        field.select();
        await ZirirurUser.press("Backspace");
        if (text) {
            await ZirirurUser.type(text);
        }
    }

    window.ZirirurExtraChecks = {
        caption(field, text) {
            return field.value === text ? "" : "caption " + show(field.value);
        },

        form(field, name) {
            const form = field.form;
            if (!form) {
                return "the field is in no form";
            }
            return form.getAttribute("name") === name ? ""
                : "in the form " + show(form.getAttribute("name"));
        },

        shown(field) {
            const box = field.getBoundingClientRect();
            const seen = field.checkVisibility({checkOpacity: true, checkVisibilityCSS: true});
            return seen && box.width > 0 && box.height > 0 ? "" : "the visitor cannot see it";
        },

        async confirmreset(button, question) {
            const field = button.form && textFieldOf(button.form);
            if (!field) {
                return "no text field in the button's form";
            }
            const asked = [];
            let answer = false;
            const confirm = window.confirm;
            window.confirm = (text) => {
                asked.push(text);
                return answer;
            };
            try {
                await typeOver(field, "typed");
                await ZirirurUser.click(button);
                const kept = field.value;
                answer = true;
                await ZirirurUser.click(button);
                if (asked.length !== 2 || asked.some((text) => text !== question)) {
                    return "asked " + show(asked) + ", expected " + show(question) + " twice";
                }
                if (kept !== "typed") {
                    return "Cancel cleared the form";
                }
                return field.value === field.defaultValue ? "" : "OK left " + show(field.value);
            } finally {
                window.confirm = confirm;
            }
        },

        async email(field) {
            const problems = [];
            const good = ["ann@example.com", " bob.lee@mail.example.org ",
                "o'neil+news@example.co.uk", ""];
            // Beyond what the browser's own e-mail field refuses: no dot in the domain, a last
            // part of one letter or a number, a misplaced dot before "@", a name too long.
            const bad = ["ann", "ann@", "ann lee@example.com", "a@b@example.com",
                "ann@example..com", "ann@example", "ann@example.c", "ann@example.123",
                ".ann@example.com", "ann.@example.com", "ann..lee@example.com",
                "a".repeat(65) + "@example.com"];
            for (const text of good) {
                await typeOver(field, text);
                if (!field.validity.valid) {
                    problems.push("refused " + show(text));
                }
            }
            for (const text of bad) {
                await typeOver(field, text);
                if (field.validity.valid || field.form.checkValidity()) {
                    problems.push("took " + show(text));
                }
            }
            await typeOver(field, "");
            return problems.join("; ");
        },

        async goto(first, addresses) {
            const buttons = Array.from(document.getElementsByName(first.name));
            const wanted = addresses.split("|");
            if (buttons.length !== wanted.length) {
                return buttons.length + " buttons, expected " + wanted.length;
            }
            const problems = [];
            for (const [i, button] of buttons.entries()) {
                const went = await navigationsDuring(() => ZirirurUser.click(button));
                if (wanted[i]) {
                    problems.push(expectGoesTo(went, wanted[i]));
                } else if (!button.disabled || !/no address/.test(button.title)) {
                    problems.push("the button without an address is not disabled with a tip " +
                        "that says so (" + show(button.title) + ")");
                } else if (went.length) {
                    problems.push("the button without an address went to " + went[0]);
                }
            }
            return problems.filter((problem) => problem).join("; ");
        },

        async jump(select, pages) {
            const wanted = pages.split("|").map((page) => page.split("="));
            const offered = Array.from(select.options).slice(1).map((option) =>
                [option.text, option.getAttribute("value")]);
            if (show(offered) !== show(wanted)) {
                return "offers " + show(offered) + ", expected " + show(wanted);
            }
            const problems = [];
            const expectJump = (went, address, how) => {
                const problem = expectGoesTo(went, address) ||
                    (select.selectedIndex === 0 ? "" : "the list stays on the page");
                if (problem) {
                    problems.push(how + ": " + problem);
                }
            };
            // Down to the last page: each entry on the way is shown, none is gone to.
            select.focus();
            const passed = await navigationsDuring(async () => {
                for (let i = 0; i < wanted.length; i++) {
                    await ZirirurUser.press("ArrowDown");
                }
            });
            if (passed.length || select.selectedIndex !== wanted.length) {
                problems.push("Arrow Down went to " + show(passed) + ", stopping at entry " +
                    select.selectedIndex);
            }
            expectJump(await navigationsDuring(() => ZirirurUser.press("Enter")), wanted.at(-1)[1],
                "Enter");
            const go = select.parentNode.querySelector("input[type=button]");
            if (!go) {
                return problems.concat("no Go button").join("; ");
            }
            expectJump(await navigationsDuring(async () => {
                await ZirirurUser.press("ArrowDown");
                await ZirirurUser.click(go);
            }), wanted[0][1], "Go");
            // Headless Chromium offers no pop-up list to click in: a change with no key before it
            // is what a choice made there with the mouse gives.
            expectJump(await navigationsDuring(() => {
                select.selectedIndex = 2;
                select.dispatchEvent(new Event("change", {bubbles: true}));
            }), wanted[1][1], "the mouse");
            return problems.join("; ");
        },

        async required(button, names) {
            const form = button.form;
            const listed = names.split(",");
            const groups = listed.map((name) => form.elements.namedItem(name)).filter((found) =>
                found).map((found) => (found.nodeType === 1 ? [found] : Array.from(found)));
            const missing = listed.filter((name) => !form.elements.namedItem(name));
            const warnings = [];
            const warn = console.warn;
            console.warn = (...words) => warnings.push(words.join(" "));
            const problems = [];
            try {
                for (const fields of groups) {
                    const name = fields[0].name;
                    const sent = await submissionsDuring(() => ZirirurUser.click(button));
                    if (sent.length !== 0) {
                        problems.push("sent with " + name + " empty");
                    }
                    if (document.activeElement !== fields[0] || !fields[0].validity.customError) {
                        problems.push(name + " was not asked for");
                    }
                    // A group is filled in by a box other than the one that was asked for.
                    const choice = fields[1] || fields[0];
                    await ZirirurUser.click(choice);
                    if (choice.type !== "checkbox" && choice.type !== "radio") {
                        await ZirirurUser.type("Ann");
                    }
                    if (fields.some((field) => !field.validity.valid)) {
                        problems.push(name + " still refused once filled in");
                    }
                }
                const sent = await submissionsDuring(() => ZirirurUser.click(button));
                if (sent.length !== 1 || sent[0]) {
                    problems.push("not sent once every field was filled in");
                }
            } finally {
                console.warn = warn;
            }
            for (const name of missing) {
                const told = warnings.filter((text) => text.includes("\"" + name + "\""));
                if (told.length !== 1) {
                    problems.push("the author was told of the missing " + name + " " +
                        told.length + " times, expected once");
                }
            }
            return problems.join("; ");
        },

        async submitonce(button) {
            const form = button.form;
            const problems = [];
            const expectSent = async (clicks, expected, when) => {
                const sent = await submissionsDuring(() => ZirirurUser.click(button, clicks));
                if (show(sent) !== show(expected)) {
                    problems.push(when + ": refused " + show(sent) + ", expected " +
                        show(expected));
                }
            };
            // In this window, a sending that failed (the page stops it) leaves the form usable.
            const own = form.getAttribute("target");
            form.removeAttribute("target");
            for (const when of ["in this window", "once the sending in this window failed"]) {
                const before = navigations.length;
                await expectSent(1, [false], when);
                if (!(await until(() => navigations.length > before))) {
                    problems.push(when + ": the sending did not start");
                }
            }
            // Into another window: a double click sends once; a moment later it sends again.
            for (const target of [own, "_blank"].filter((target) => target)) {
                form.setAttribute("target", target);
                await expectSent(2, [false, true], "a double click into " + target);
                await ZirirurUser.wait(2500);
            }
            await expectSent(1, [false], "a moment after sending into _blank");
            return problems.join("; ");
        },

        async countdown(area, limit) {
            const left = area.parentNode.querySelector(".ZirirurCountdownLeft");
            if (!left) {
                return "no count under the text area";
            }
            const problems = [];
            if (area.maxLength !== Number(limit)) {
                problems.push("stops at " + area.maxLength);
            }
            if (left.textContent !== limit) {
                problems.push("shows " + show(left.textContent) + " before typing");
            }
            await ZirirurUser.click(area);
            await ZirirurUser.type("Hello");
            if (left.textContent !== String(Number(limit) - 5)) {
                problems.push("shows " + show(left.textContent) + " after five characters");
            }
            const reset = Array.from(area.form.elements).find((field) => field.type === "reset");
            if (!reset) {
                return problems.concat("no reset button in the form").join("; ");
            }
            await ZirirurUser.click(reset);
            if (area.value !== "" || !(await until(() => left.textContent === limit))) {
                problems.push("shows " + show(left.textContent) + " after the form's Reset");
            }
            return problems.join("; ");
        },
    };
})();
