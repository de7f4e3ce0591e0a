package org.bukkit.command.defaults;

import org.bukkit.ChatColor;
import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;

/**
 * The game's /setblock: a block (by id, or by the game's name, "minecraft:" or not) with its data at a place
 * ("~" counting from the player), replacing what is there, or only where there is air ("keep"),
 * or breaking it first ("destroy": the world drops nothing here).
 */
public class SetBlockCommand extends GameCommand {
    public SetBlockCommand() {
        super("setblock", "Changes a block to another block",
                "/setblock <x> <y> <z> <TileName> [dataValue] [oldBlockHandling] [dataTag]", "bukkit.command.setblock");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() < 4) {
            throw usage();
        }
        World world = words.world();
        Location origin = sender instanceof Player ? ((Player) sender).getLocation() : world.getSpawnLocation();
        int x = coordinate(origin.getBlockX(), words.get(0));
        int y = coordinate(origin.getBlockY(), words.get(1));
        int z = coordinate(origin.getBlockZ(), words.get(2));
        Material kind = block(words.get(3));
        int data = words.has(4) ? words.number(4, 0, 15) : 0;
        String handling = words.has(5) ? words.get(5) : "replace";
        if (!handling.equals("replace") && !handling.equals("destroy") && !handling.equals("keep")) {
            throw usage();
        }
        if (y < 0 || y >= world.getMaxHeight()) {
            throw red("Cannot place block outside of the world");
        }
        Block block = world.getBlockAt(x, y, z);
        if (handling.equals("keep") && block.getType() != Material.AIR) {
            throw red("The block couldn't be placed");
        }
        if (block.getType() == kind && block.getData() == data) {
            throw red("The block couldn't be placed");
        }
        block.setTypeIdAndData(kind.getId(), (byte) data, true);
        broadcastCommandMessage(sender, "Block placed");
    }

    private static Words.Refusal red(String text) {
        return new Words.Refusal(ChatColor.RED + text);
    }

    /** A whole coordinate; "~" and "~n" count from the origin's block. */
    private static int coordinate(int origin, String word) throws Words.Refusal {
        if (word.startsWith("~")) {
            return word.length() == 1 ? origin : origin + Words.number(word.substring(1), -30000000, 30000000);
        }
        return Words.number(word, -30000000, 30000000);
    }

    /**
     * The blocks whose game name is also their item's ("reeds", "cake", "bed", ...): the name
     * finds the item first, and a block is meant here.
     */
    private static final java.util.Map<Material, Material> BLOCK_OF_ITEM = new java.util.EnumMap<Material, Material>(
            Material.class);

    static {
        Material[][] pairs = {{Material.BED, Material.BED_BLOCK}, {Material.WOOD_DOOR, Material.WOODEN_DOOR},
            {Material.IRON_DOOR, Material.IRON_DOOR_BLOCK}, {Material.SUGAR_CANE, Material.SUGAR_CANE_BLOCK},
            {Material.CAKE, Material.CAKE_BLOCK}, {Material.NETHER_STALK, Material.NETHER_WARTS},
            {Material.BREWING_STAND_ITEM, Material.BREWING_STAND}, {Material.CAULDRON_ITEM, Material.CAULDRON},
            {Material.FLOWER_POT_ITEM, Material.FLOWER_POT}, {Material.SKULL_ITEM, Material.SKULL},
            {Material.WHEAT, Material.CROPS}};
        for (Material[] p : pairs) {
            BLOCK_OF_ITEM.put(p[0], p[1]);
        }
    }

    /** A block by the game's name ("minecraft:" or not: "planks", "stonebrick", "reeds"), or its id. */
    private static Material block(String word) throws Words.Refusal {
        Material kind = org.bukkit.Bukkit.getUnsafe().getMaterialFromInternalName(word);
        if (kind != null && !kind.isBlock() && !word.matches("\\d+") && BLOCK_OF_ITEM.containsKey(kind)) {
            kind = BLOCK_OF_ITEM.get(kind);
        }
        if (kind == null || !kind.isBlock()) {
            throw red("There is no such block with name " + word);
        }
        return kind;
    }
}
