#pragma once
// QML types the player movie is built from (module "Qinglan.Movie" 1.0): the stream over
// libmpv, the video item that shows it and the overall-volume sound object.

// Registers the types; safe to call more than once. Call before loading the first movie.
void RegisterMovieTypes();
