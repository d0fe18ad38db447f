// The window's two actions, each run by a button's click.
#pragma once

// Reads the subject, event and explanation boxes, composes the article and writes it into the
// output box.
void generate_article();

// Starts the web edition: "Explorer" with its address, waiting at most a second for it to be ready.
void open_web_edition();

// The web edition's address, under a domain reserved for examples; started as "Explorer <address>".
inline constexpr char kWebEditionCommand[] = "Explorer https://glossavo.example.com/";
