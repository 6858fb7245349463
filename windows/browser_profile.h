#pragma once
// The program's one web profile, shared by every viewer: off the record, so browsing
// leaves no cookies, cache or history on disk.

class QWebEngineProfile;

// Created on first use, owned by the application object.
QWebEngineProfile *BrowserProfile();
