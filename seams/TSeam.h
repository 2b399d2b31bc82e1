#pragma once

// One replaceable service of the program (message boxes, file dialogs, the port chooser). The
// windowed program installs its standard implementation at start-up; a test or a vtrk command
// installs its own over it for a while; with neither, the service's fallback answers.
template <typename Service> class TSeam {
public:
    static Service& Get(Service& fallback) {
        if (installed)
            return *installed;
        return standard ? *standard : fallback;
    }
    // nullptr takes the installed one away again.
    static void Install(Service* service) { installed = service; }
    static void SetStandard(Service* service) { standard = service; }

private:
    static inline Service* installed = nullptr;
    static inline Service* standard = nullptr;
};
