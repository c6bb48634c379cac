// SPDX-License-Identifier: GPL-3.0-or-later
// Reads LaTeX documents on standard input and parses every piece of math (\[ ... \] or $ ... $,
// an escaped \$ being no delimiter, and every \( ... \) formula inside a line) with KaTeX in
// strict mode; prints each failure and exits 1 when there was one, 0 when all parsed.
const katex = require("katex");

let input = "";
process.stdin.on("data", (chunk) => (input += chunk));
process.stdin.on("end", () => {
  const displays = [...input.matchAll(/\\\[(.*?)\\\]/gs)].map((m) => m[1]);
  const inline = [...input.matchAll(/(?<!\\)\$(.*?)(?<!\\)\$/gs)].map((m) => m[1]);
  const inLines = [...input.matchAll(/\\\((.*?)\\\)/gs)].map((m) => m[1]);
  const pieces = displays.concat(inline, inLines);
  let failures = 0;
  for (const piece of pieces) {
    try {
      katex.renderToString(piece, { throwOnError: true, strict: "error", displayMode: true });
    } catch (error) {
      failures++;
      console.log(`${piece.trim()}: ${error.message}`);
    }
  }
  console.log(`${pieces.length} parsed (${inLines.length} inside lines), ${failures} failed`);
  process.exit(failures === 0 && pieces.length > 0 ? 0 : 1);
});
