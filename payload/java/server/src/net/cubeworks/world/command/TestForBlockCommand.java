package net.cubeworks.world.command;

import java.util.ArrayList;

import org.bukkit.Bukkit;
import org.bukkit.ChatColor;
import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;

import net.cubeworks.world.level.BlockTable;
import net.cubeworks.world.level.ItemNames;

/**
 * The game's /testforblock: whether the block at a place ("~" counting from the player) is of a
 * kind, by the game's name or id, and of a data value when one is given (-1: any), answered in
 * the game's words with the blocks' names as the game has them. A data tag to compare with the
 * block's own tags is refused: this server does not compare them. It is the game's own command,
 * not one of Bukkit's, so it is our class.
 */
final class TestForBlockCommand extends Command {
    TestForBlockCommand() {
        super("testforblock", "Tests whether a block is of a kind",
                "/testforblock <x> <y> <z> <TileName> [dataValue] [dataTag]", new ArrayList<String>());
        setPermission("bukkit.command.testforblock");
    }

    /** Said in red to the sender, ending the command. */
    private static final class Refusal extends Exception {
        private static final long serialVersionUID = 1L;

        Refusal(String text) {
            super(text);
        }
    }

    private static int number(String word, int min, int max) throws Refusal {
        int n;
        try {
            n = Integer.parseInt(word);
        } catch (NumberFormatException e) {
            throw new Refusal("'" + word + "' is not a valid number");
        }
        if (n < min) {
            throw new Refusal("The number you have entered (" + n + ") is too small, it must be at least " + min);
        }
        if (n > max) {
            throw new Refusal("The number you have entered (" + n + ") is too big, it must be at most " + max);
        }
        return n;
    }

    /** A whole coordinate; "~" and "~n" count from the origin's block. */
    private static int coordinate(int origin, String word) throws Refusal {
        if (word.startsWith("~")) {
            return word.length() == 1 ? origin : origin + number(word.substring(1), -30000000, 30000000);
        }
        return number(word, -30000000, 30000000);
    }

    @SuppressWarnings("deprecation")
    private static String name(Material kind) {
        return BlockTable.of(kind.getId()).name;
    }

    @Override
    public boolean execute(CommandSender sender, String label, String[] args) {
        if (!testPermission(sender)) {
            return true;
        }
        if (args.length < 4) {
            sender.sendMessage(ChatColor.RED + "Usage: " + usageMessage);
            return false;
        }
        try {
            test(sender, args);
        } catch (Refusal r) {
            sender.sendMessage(ChatColor.RED + r.getMessage());
        }
        return true;
    }

    @SuppressWarnings("deprecation")
    private void test(CommandSender sender, String[] args) throws Refusal {
        World world = sender instanceof Player ? ((Player) sender).getWorld() : Bukkit.getWorlds().get(0);
        Location origin = sender instanceof Player ? ((Player) sender).getLocation() : world.getSpawnLocation();
        int x = coordinate(origin.getBlockX(), args[0]);
        int y = coordinate(origin.getBlockY(), args[1]);
        int z = coordinate(origin.getBlockZ(), args[2]);
        int id = ItemNames.blockId(args[3]);
        Material kind = id >= 0 ? Material.getMaterial(id) : Bukkit.getUnsafe().getMaterialFromInternalName(args[3]);
        if (kind == null || !kind.isBlock()) {
            throw new Refusal("There is no such block with name " + args[3]);
        }
        int data = args.length > 4 ? number(args[4], -1, 15) : -1;
        if (args.length > 5) {
            throw new Refusal("This server does not compare blocks' data tags");
        }
        if (y < 0 || y >= world.getMaxHeight() || !world.isChunkLoaded(x >> 4, z >> 4)) {
            throw new Refusal("Cannot test for block outside of the world");
        }
        Block block = world.getBlockAt(x, y, z);
        if (block.getType() != kind) {
            throw new Refusal(String.format("The block at %d,%d,%d is %s (expected: %s).", x, y, z,
                    name(block.getType()), name(kind)));
        }
        if (data >= 0 && block.getData() != data) {
            throw new Refusal(String.format("The block at %d,%d,%d had the data value of %d (expected: %d).", x, y, z,
                    block.getData(), data));
        }
        Command.broadcastCommandMessage(sender, String.format("Successfully found the block at %d,%d,%d.", x, y, z));
    }
}
