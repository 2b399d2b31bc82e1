// Qt is not built with ThreadSanitizer, so the tool cannot see the synchronisation inside it
// (QtTest's watchdog thread, QWaitCondition): reports whose stack lies in Qt are not ours.
// The serial layer's own threads use only the standard library.
extern "C" const char* __tsan_default_suppressions() {
    return "race:libQt6Core.so.6\n"
           "race:libQt6Test.so.6\n";
}
