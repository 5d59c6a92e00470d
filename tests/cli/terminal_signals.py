#!/usr/bin/env python3
'''`vigila run` in a terminal, driven through a pseudo-terminal as a user at the keyboard would:
it must end as its command ends, so shells and supervisors around it see what they would see
around the command. Usage: terminal_signals.py VIGILA. Runs without a tray (so `run` holds the
lock itself, or runs the command without one).
'''

import os
import pty
import select
import signal
import subprocess
import sys
import tempfile
import time

VIGILA = sys.argv[1]
TIMEOUT = 20
failures = []


def check(name, condition, detail=''):
    if not condition:
        failures.append(f'{name}: {detail}')
        print(f'FAIL {name}: {detail}', flush=True)
    else:
        print(f'PASS {name}', flush=True)


def spawn_in_terminal(argv):
    '''argv as the session leader of a new pseudo-terminal; returns (pid, master fd).'''
    pid, master = pty.fork()
    if pid == 0:
        os.execvp(argv[0], argv)
    return pid, master


def read_until(master, marker, output):
    '''Reads the terminal until marker shows up; output collects everything read.'''
    deadline = time.monotonic() + TIMEOUT
    while marker not in output[0]:
        remaining = deadline - time.monotonic()
        if remaining <= 0 or not select.select([master], [], [], remaining)[0]:
            return False
        try:
            chunk = os.read(master, 4096)
        except OSError:
            return False
        if not chunk:
            return False
        output[0] += chunk
    return True


def drain_and_wait(pid, master=None):
    '''Reads the terminal (if still open) until the process ends; returns its wait status.'''
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        done, status = os.waitpid(pid, os.WNOHANG)
        if done:
            return status
        if master is None:
            time.sleep(0.05)
        elif select.select([master], [], [], 0.05)[0]:
            try:
                os.read(master, 4096)
            except OSError:
                pass
    os.kill(pid, signal.SIGKILL)
    return os.waitpid(pid, 0)[1]


def ctrl_c_stops_a_shell_loop():
    loop = (f'for i in 1 2 3; do "{VIGILA}" run -- sh -c "echo ready; exec sleep 30"; echo next; done; '
            'echo after')
    pid, master = spawn_in_terminal(['bash', '-c', loop])
    output = [b'']
    ready = read_until(master, b'ready', output)
    os.write(master, b'\x03')
    status = drain_and_wait(pid, master)
    os.close(master)
    check('Ctrl+C stops a shell loop', ready and os.WIFSIGNALED(status)
          and os.WTERMSIG(status) == signal.SIGINT, f'ready={ready} status={status:#x} {output[0]!r}')


def hang_up_reaches_the_command(scratch):
    mark = os.path.join(scratch, 'hup')
    command = f'trap "echo hup >> {mark}; kill \\$!; exit 3" HUP; echo ready; sleep 30 & wait'
    pid, master = spawn_in_terminal([VIGILA, 'run', '--', 'sh', '-c', command])
    output = [b'']
    ready = read_until(master, b'ready', output)
    os.close(master)  # the terminal goes away, as when its window closes
    status = drain_and_wait(pid)
    marks = open(mark).read() if os.path.exists(mark) else ''
    check('a hang-up of the session leader reaches the command',
          ready and os.WIFEXITED(status) and os.WEXITSTATUS(status) == 3 and marks == 'hup\n',
          f'status={status:#x} marks={marks!r} {output[0]!r}')


COUNTER = '''
import signal, sys, time
count = 0
def counted(number, frame):
    global count
    count += 1
signal.signal(signal.SIGINT, counted)
print("ready", flush=True)
deadline = time.monotonic() + 30
while count == 0 and time.monotonic() < deadline:
    time.sleep(0.05)
time.sleep(0.5)  # time for a second one to arrive
open(sys.argv[1], "w").write(str(count))
'''


def timeout_interrupts_once(scratch):
    # A second signal came in about half the runs: a few runs catch it.
    counts = []
    for run in range(5):
        counted = os.path.join(scratch, f'count{run}')
        process = subprocess.Popen(['timeout', '-s', 'INT', '60', VIGILA, 'run', '--', sys.executable, '-c',
                                    COUNTER, counted], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        if process.stdout.readline() != b'ready\n':
            counts.append('not ready')
            process.kill()
            continue
        # timeout passes a signal it gets on as if its time were up: to its command, then its group.
        process.send_signal(signal.SIGINT)
        process.wait(TIMEOUT)
        counts.append(open(counted).read() if os.path.exists(counted) else '')
    check('timeout -s INT interrupts the command once', counts == ['1'] * 5, f'counts={counts!r}')


def ctrl_backslash_leaves_vigila_holding():
    command = ('import signal, sys; signal.signal(signal.SIGQUIT, signal.SIG_IGN); print("ready", flush=True); '
               'sys.stdin.readline(); sys.exit(4)')
    pid, master = spawn_in_terminal([VIGILA, 'run', '--', sys.executable, '-c', command])
    output = [b'']
    ready = read_until(master, b'ready', output)
    os.write(master, b'\x1c')  # Ctrl+\ (the command ignores it), then a line that ends the command
    os.write(master, b'go\n')
    status = drain_and_wait(pid, master)
    os.close(master)
    check('Ctrl+\\ leaves vigila running with its command', ready and os.WIFEXITED(status)
          and os.WEXITSTATUS(status) == 4, f'status={status:#x} {output[0]!r}')


with tempfile.TemporaryDirectory() as scratch:
    ctrl_c_stops_a_shell_loop()
    hang_up_reaches_the_command(scratch)
    timeout_interrupts_once(scratch)
    ctrl_backslash_leaves_vigila_holding()
sys.exit(1 if failures else 0)
