// The CPU time a browser spends, read from /proc: the clock ticks of user
// and system time of a process and of all its descendants.
import { readFileSync, readdirSync } from 'node:fs';

export const TICKS_PER_SECOND = 100;
export function treeTicks(root) {
    const processes = readdirSync('/proc').filter((entry) => /^\d+$/.test(entry)).flatMap((pid) => {
        try {
            // The fields after the command's closing parenthesis: state, ppid, …
            const fields = readFileSync(`/proc/${pid}/stat`, 'utf8').replace(/^.*\) /s, '').split(' ');
            return [{ pid: Number(pid), parent: Number(fields[1]), ticks: Number(fields[11]) + Number(fields[12]) }];
        } catch {
            return []; // gone meanwhile
        }
    });
    const inTree = new Set([root]);
    for (let grew = true; grew;) {
        grew = false;
        for (const p of processes) {
            if (!inTree.has(p.pid) && inTree.has(p.parent)) {
                inTree.add(p.pid);
                grew = true;
            }
        }
    }
    return processes.filter((p) => inTree.has(p.pid)).reduce((sum, p) => sum + p.ticks, 0);
}
