#pragma once

#include "TimeBounds.h"

#include <juce_core/juce_core.h>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

/** A program started as a process of its own, with its output in a file. */
class SpawnedApp
{
public:
    /** Standard output and standard error go to outputFile, unless errorFile is given for the latter. */
    SpawnedApp (const juce::File& program, const juce::File& outputFile,
                const std::vector<std::string>& environment = currentEnvironment(),
                const juce::File& errorFile = {})
        : output (outputFile), errors (errorFile)
    {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init (&actions);
        posix_spawn_file_actions_addopen (&actions, 1, output.getFullPathName().toRawUTF8(),
                                          O_WRONLY | O_CREAT | O_TRUNC, 0644);

        if (errors == juce::File())
            posix_spawn_file_actions_adddup2 (&actions, 1, 2);
        else
            posix_spawn_file_actions_addopen (&actions, 2, errors.getFullPathName().toRawUTF8(),
                                              O_WRONLY | O_CREAT | O_TRUNC, 0644);

        std::vector<char*> envp;
        for (const auto& entry : environment)
            envp.push_back (const_cast<char*> (entry.c_str()));
        envp.push_back (nullptr);

        const auto path = program.getFullPathName();
        char* const argv[] { const_cast<char*> (path.toRawUTF8()), nullptr };
        started = posix_spawn (&pid, path.toRawUTF8(), &actions, nullptr, argv, envp.data()) == 0;
        posix_spawn_file_actions_destroy (&actions);
    }

    /** This process's environment, as NAME=value entries. */
    static std::vector<std::string> currentEnvironment()
    {
        std::vector<std::string> entries;
        for (auto** entry = environ; *entry != nullptr; ++entry)
            entries.emplace_back (*entry);
        return entries;
    }

    ~SpawnedApp()
    {
        if (started && ! exited)
        {
            ::kill (pid, SIGKILL);
            ::waitpid (pid, nullptr, 0);
        }
    }

    bool isRunning() { return started && ! exited && ::waitpid (pid, &status, WNOHANG) == 0; }

    /** The exit code once the process has ended within timeoutMs (a plain
        build's bound, longer under a sanitizer); -1 otherwise. */
    int waitForExit (int timeoutMs)
    {
        const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) TimeBounds::scaledMs (timeoutMs);

        while (started && ! exited)
        {
            if (::waitpid (pid, &status, WNOHANG) == pid)
                exited = true;
            else if (juce::Time::getMillisecondCounter() > deadline)
                return -1;
            else
                juce::Thread::sleep (5);
        }

        return exited && WIFEXITED (status) ? WEXITSTATUS (status) : -1;
    }

    juce::String getOutput() const { return output.loadFileAsString(); }
    juce::String getErrors() const { return errors.loadFileAsString(); }

    bool started = false;

private:
    juce::File output, errors;
    pid_t pid = 0;
    int status = 0;
    bool exited = false;

    JUCE_DECLARE_NON_COPYABLE (SpawnedApp)
};
