package net.cubeworks.world.command;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

import org.bukkit.command.Command;
import org.bukkit.command.CommandException;
import org.bukkit.command.CommandSender;
import org.bukkit.command.SimpleCommandMap;
import org.junit.Test;

/** The command map frameworks register in: who gets a label, what dispatch runs, what a failure becomes. */
public class CommandMapTest {
    private static final class Recorded extends Command {
        final List<String> runs = new ArrayList<String>();

        Recorded(String name, String... aliases) {
            super(name, "", "/" + name, new ArrayList<String>(Arrays.asList(aliases)));
        }

        @Override
        public boolean execute(CommandSender sender, String label, String[] args) {
            if (args.length == 1 && args[0].equals("fail")) {
                throw new IllegalStateException("failed on purpose");
            }
            runs.add(label + " " + Arrays.toString(args));
            return true;
        }
    }

    @Test
    public void theFirstCommandKeepsALabelAndTheOtherIsReachedByItsPrefix() {
        SimpleCommandMap map = new SimpleCommandMap(null);
        Recorded home = new Recorded("home", "h", "Casa");
        Recorded other = new Recorded("home", "h2");
        Recorded taker = new Recorded("warp", "home");
        assertTrue(map.register("Essentials", home));
        assertFalse("a label that is taken stays with its first command", map.register("homes", other));
        assertTrue(map.register("warps", taker));
        assertSame(home, map.getCommand("HOME"));
        assertSame(home, map.getCommand("casa"));
        assertSame(other, map.getCommand("homes:home"));
        assertSame(other, map.getCommand("h2"));
        assertEquals("homes:home", other.getLabel());
        assertSame("an alias does not take another command's name", taker, map.getCommand("warp"));
        assertTrue(home.isRegistered());

        assertTrue(map.dispatch(null, "h a b"));
        assertTrue(map.dispatch(null, "homes:home"));
        assertFalse("a line of no command is not run", map.dispatch(null, "nothing here"));
        assertEquals(Arrays.asList("h [a, b]"), home.runs);
        assertEquals(Arrays.asList("homes:home []"), other.runs);
        try {
            map.dispatch(null, "home fail");
            fail("the command's failure comes out");
        } catch (CommandException ex) {
            assertTrue(ex.getMessage(), ex.getMessage().contains("Unhandled exception executing 'home fail'"));
            assertTrue(ex.getCause() instanceof IllegalStateException);
        }

        map.clearCommands();
        assertFalse(home.isRegistered());
        assertEquals(null, map.getCommand("home"));
        assertTrue(map.getCommands().isEmpty());
    }
}
