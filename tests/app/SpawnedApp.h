#pragma once

#include <juce_core/juce_core.h>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

/** A program started as a process of its own, with its output in a file. */
class SpawnedApp
{
public:
    SpawnedApp (const juce::File& program, const juce::File& outputFile) : output (outputFile)
    {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init (&actions);
        posix_spawn_file_actions_addopen (&actions, 1, output.getFullPathName().toRawUTF8(),
                                          O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2 (&actions, 1, 2);

        const auto path = program.getFullPathName();
        char* const argv[] { const_cast<char*> (path.toRawUTF8()), nullptr };
        started = posix_spawn (&pid, path.toRawUTF8(), &actions, nullptr, argv, environ) == 0;
        posix_spawn_file_actions_destroy (&actions);
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

    /** The exit code once the process has ended within timeoutMs; -1 otherwise. */
    int waitForExit (int timeoutMs)
    {
        const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

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

    bool started = false;

private:
    juce::File output;
    pid_t pid = 0;
    int status = 0;
    bool exited = false;

    JUCE_DECLARE_NON_COPYABLE (SpawnedApp)
};
