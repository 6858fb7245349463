#pragma once
// The one QML engine every player control runs its movie in.

class QQmlEngine;

// Created on first use, after choosing OpenGL for Qt Quick and registering the movie's
// types; it lives as long as the application object.
QQmlEngine *SharedMovieEngine();
