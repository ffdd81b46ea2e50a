// SPDX-License-Identifier: GPL-3.0-or-later
// Checks run inside the page, in any browser: each function stands alone,
// so that a test hands it to the page as it is (puppeteer's evaluate,
// WebDriver's execute).

// Text a reader cannot read whole: a caption running out of its control,
// a line of it under another control, a field's value wider than the
// field. Every shown control of the window, as the page lays it out now.
export function textCut() {
    const problems = [];
    for (const control of document.querySelectorAll('#FormSkalix .c')) {
        const box = control.getBoundingClientRect();
        if (!box.width || !box.height)
            continue; // hidden
        if (control.matches('input[type="text"]')) {
            if (control.scrollWidth > control.clientWidth + 1)
                problems.push(`${control.id}: "${control.value}" is wider than its field`);
            continue;
        }
        const texts = document.createTreeWalker(control, NodeFilter.SHOW_TEXT);
        for (let text; (text = texts.nextNode());) {
            if (text.parentElement.closest('.sr-only') || !text.textContent.trim())
                continue;
            const range = document.createRange();
            range.selectNodeContents(text);
            for (const line of range.getClientRects()) {
                if (!line.width)
                    continue;
                const words = `${control.id} ("${text.textContent.slice(0, 24)}")`;
                if (line.left < box.left - 1 || line.right > box.right + 1 || line.bottom > box.bottom + 1)
                    problems.push(`${words} runs out of its control`);
                // Points over the whole line, its descenders included.
                for (const x of [line.left + 1, line.left + line.width / 2, line.right - 1]) {
                    for (const y of [line.top + line.height * 0.2, line.top + line.height * 0.85]) {
                        const seen = document.elementFromPoint(x, y);
                        if (seen && !control.contains(seen)) {
                            problems.push(`${words} lies under ${seen.id || seen.tagName}`);
                            break;
                        }
                    }
                }
            }
        }
    }
    return problems;
}

// What is wrong with the page as it is printed (print media): a button or
// slider shown, a caret that may print, a value or caption that is not
// dark on white by 4.5:1 at least.
export function onPaperProblems() {
    const rgb = (colour) => colour.match(/[\d.]+/g).map(Number);
    const luminance = (colour) => {
        const [r, g, b] = rgb(colour).slice(0, 3).map((c) => {
            const v = c / 255;
            return v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4;
        });
        return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const background = (element) => {
        for (let at = element; at; at = at.parentElement) {
            const colour = getComputedStyle(at).backgroundColor;
            if (rgb(colour)[3] !== 0)
                return colour;
        }
        return 'rgb(255, 255, 255)';
    };
    const problems = [];
    for (const control of document.querySelectorAll('#FormSkalix .c')) {
        if (!control.getClientRects().length)
            continue;
        if (control.matches('button, input[type="range"]')) {
            problems.push(`${control.id} is printed`);
            continue;
        }
        const text = control.matches('input') ? control.value : control.textContent;
        if (!text.trim())
            continue;
        const style = getComputedStyle(control);
        if (control.matches('input') && style.caretColor !== 'rgba(0, 0, 0, 0)')
            problems.push(`${control.id} prints a caret`);
        const [fore, back] = [luminance(style.color), luminance(background(control))];
        const ratio = (Math.max(fore, back) + 0.05) / (Math.min(fore, back) + 0.05);
        if (ratio < 4.5 || back < 0.9)
            problems.push(`${control.id} ("${text.slice(0, 12)}") is printed ${style.color} on ${background(control)}`);
    }
    return problems;
}
