// Test-only: org.gnome.Shell.Eval answers in unsafe mode, which this shell has no flag for.
/* exported init */
function init() {
    return {
        enable() {
            global.context.unsafe_mode = true;
        },
        disable() {
            global.context.unsafe_mode = false;
        },
    };
}
