// Check kinds for the quick form components, put before effect_checks.js by run_page_checks.py
// (--extra-checks), which adds them to its own. Each drives the component as a visitor would and
// says what went wrong ("" when nothing did). Kinds:
//   caption:F:TEXT           the button shows TEXT
//   form:F:NAME              the field lies in the form named NAME
//   shown:F                  the field is on the page for the visitor to see
//   confirmreset:F:QUESTION  the reset button asks QUESTION; Cancel keeps the form, OK clears it
//   email:F                  the field refuses addresses that cannot be right, and so the form
//   goto:F:ADDRESS           a click goes to ADDRESS
//   jump:F:T1=A1|T2=A2       the list offers the pages T1, T2 and choosing one goes to it
//   required:F:N1,N2         the button sends the form only once the fields N1, N2 are filled in
//   submitonce:F             the button sends the form once; a second sending is refused
//   countdown:F:LIMIT        the text area stops at LIMIT and shows what is left under it
(function () {
    "use strict";

    function show(value) {
        return JSON.stringify(value);
    }

    // Runs act with the events of that kind caught on target: each is noted, then stopped, so
    // that the page stays as it is. Gives the notes.
    function caughtDuring(target, type, note, act) {
        const notes = [];
        const caught = (event) => {
            notes.push(note(event));
            event.preventDefault();
        };
        target.addEventListener(type, caught);
        try {
            act();
        } finally {
            target.removeEventListener(type, caught);
        }
        return notes;
    }

    // The addresses that the page went to while act ran.
    function navigationsDuring(act) {
        return caughtDuring(navigation, "navigate", (event) => event.destination.url, act);
    }

    // The form submissions while act ran: for each, whether the page had refused it already.
    function submissionsDuring(act) {
        return caughtDuring(window, "submit", (event) => event.defaultPrevented, act);
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

    function setValue(field, value) {
        field.value = value;
        field.dispatchEvent(new Event("input", {bubbles: true}));
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

        confirmreset(button, question) {
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
                field.value = "typed";
                button.click();
                const kept = field.value;
                answer = true;
                button.click();
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

        email(field) {
            if (typeof window.ZirirurCheckEmail !== "function") {
                return "the check's script file did not load";
            }
            const problems = [];
            const good = ["ann@example.com", " bob.lee@mail.example.org ", ""];
            const bad = ["ann", "ann@", "ann@example", "ann lee@example.com", "a@b@example.com",
                "ann@example..com"];
            for (const text of good) {
                setValue(field, text);
                if (!field.validity.valid) {
                    problems.push("refused " + show(text));
                }
            }
            for (const text of bad) {
                setValue(field, text);
                if (field.validity.valid || field.form.checkValidity()) {
                    problems.push("took " + show(text));
                }
            }
            setValue(field, "");
            return problems.join("; ");
        },

        goto(button, address) {
            return expectGoesTo(navigationsDuring(() => button.click()), address);
        },

        jump(select, pages) {
            const wanted = pages.split("|").map((page) => page.split("="));
            const offered = Array.from(select.options).slice(1).map((option) =>
                [option.text, option.getAttribute("value")]);
            if (show(offered) !== show(wanted)) {
                return "offers " + show(offered) + ", expected " + show(wanted);
            }
            const last = wanted[wanted.length - 1];
            const addresses = navigationsDuring(() => {
                select.selectedIndex = wanted.length;
                select.dispatchEvent(new Event("change", {bubbles: true}));
            });
            const problem = expectGoesTo(addresses, last[1]);
            return problem || (select.selectedIndex === 0 ? "" : "the list stays on the page");
        },

        required(button, names) {
            const form = button.form;
            const fields = names.split(",").map((name) => form.elements.namedItem(name));
            if (fields.some((field) => !field)) {
                return "the form lacks one of " + show(names);
            }
            const problems = [];
            fields.forEach((field) => setValue(field, ""));
            for (const field of fields) {
                const sent = submissionsDuring(() => button.click());
                if (sent.length !== 0) {
                    problems.push("sent with " + field.name + " empty");
                }
                if (document.activeElement !== field || !field.validity.customError) {
                    problems.push(field.name + " was not asked for");
                }
                setValue(field, "filled");
                if (!field.validity.valid) {
                    problems.push(field.name + " still refused once filled in");
                }
            }
            const sent = submissionsDuring(() => button.click());
            if (sent.length !== 1 || sent[0]) {
                problems.push("not sent once every field was filled in");
            }
            return problems.join("; ");
        },

        submitonce(button) {
            const sent = submissionsDuring(() => {
                button.click();
                button.click();
            });
            return show(sent) === "[false,true]" ? "" : "refused " + show(sent) +
                ", expected the first sending to go and the second to be refused";
        },

        countdown(area, limit) {
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
            setValue(area, "Hello");
            if (left.textContent !== String(Number(limit) - 5)) {
                problems.push("shows " + show(left.textContent) + " after five characters");
            }
            setValue(area, "");
            return problems.join("; ");
        },
    };
})();
