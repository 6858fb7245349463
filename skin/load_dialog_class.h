#pragma once

class QWidget;

// The "NivraLoadDialog" window class: registered once per process, it makes the windows that
// clean up their animation resources when destroyed.
class LoadDialogClass {
 public:
  static constexpr const char* kClassName = "NivraLoadDialog";

  // Registers the class; false (and nothing changes) when it is already registered.
  static bool Register();
  static bool IsRegistered();
  // Successful registrations so far: stays at 1 however often Register is called.
  static int RegistrationCount();

  // A new top-level window of the class, or null while the class is not registered.
  static QWidget* CreateWindow(QWidget* parent = nullptr);
};
