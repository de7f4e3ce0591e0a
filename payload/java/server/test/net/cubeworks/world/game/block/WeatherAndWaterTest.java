package net.cubeworks.world.game.block;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.bukkit.World;
import org.bukkit.event.Event;
import org.bukkit.event.EventPriority;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.event.entity.EntityInteractEvent;
import org.bukkit.plugin.Plugin;
import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.game.TestGames;
import net.cubeworks.world.game.entity.WaterFlow;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.plugin.EventDispatch;

/** Farmland trampled, water's flow pushing things, rain putting fire out and snow falling, on made-up grids. */
public class WeatherAndWaterTest {
    private static GridWorld field(long seed) {
        GridWorld w = new GridWorld(seed);
        w.put(0, 1, 0, BlockIds.FARMLAND, 7);
        w.put(0, 2, 0, BlockIds.WHEAT, 3);
        return w;
    }

    private static RedstoneTest.Thing landing(GridWorld w) {
        return new RedstoneTest.Thing(w, 0.5, 1.9375, 0.5); // feet on the farmland's top
    }

    /** A field whose plugins refuse a player's or a creature's step on a block, as land protection does. */
    private static GridWorld guarded(long seed) {
        final EventDispatch events = new EventDispatch(java.util.logging.Logger.getAnonymousLogger());
        final World api = (World) java.lang.reflect.Proxy.newProxyInstance(World.class.getClassLoader(),
                new Class<?>[] {World.class}, (proxy, m, args) -> null);
        GridWorld w = new GridWorld(seed) {
            @Override
            public GameHost host() {
                final GameHost plain = super.host();
                return new GameHost() {
                    public void callEvent(Event event) {
                        events.callEvent(event);
                    }

                    public boolean dispatchCommand(org.bukkit.command.CommandSender sender, String line) {
                        return plain.dispatchCommand(sender, line);
                    }

                    public java.util.List<String> tabCompleteCommand(org.bukkit.command.CommandSender sender,
                            String line) {
                        return plain.tabCompleteCommand(sender, line);
                    }

                    public org.bukkit.Server api() {
                        return plain.api();
                    }
                };
            }

            @Override
            public World api() {
                return api;
            }
        };
        w.put(0, 1, 0, BlockIds.FARMLAND, 7);
        Plugin guard = TestGames.plugin("Guard");
        events.registerEvent(EntityInteractEvent.class, new Listener() {
        }, EventPriority.NORMAL, (l, e) -> ((EntityInteractEvent) e).setCancelled(true), guard, false);
        return w;
    }

    @After
    public void forgetListeners() {
        HandlerList.unregisterAll();
    }

    @Test
    public void farmlandIsTrampledByAFallAsTheGameRulesAndNotByAStep() {
        GridWorld w = field(1);
        assertFalse("a step down does nothing", Trampling.landed(w, landing(w), true, 0.5f));
        assertEquals(BlockIds.FARMLAND, w.blockAt(0, 1, 0));
        assertTrue("a fall of a block and a half always tramples", Trampling.landed(w, landing(w), true, 1.5f));
        assertEquals(BlockIds.DIRT, w.blockAt(0, 1, 0));
        assertEquals("the crop breaks off", BlockIds.AIR, w.blockAt(0, 2, 0));
        assertEquals("its seeds fall", 295, w.drops.get(0)[0]);

        GridWorld m = field(2);
        m.rulesOff.add("mobGriefing");
        assertFalse("a mob does not without mobGriefing", Trampling.landed(m, landing(m), false, 3f));
        assertTrue("a player does", Trampling.landed(m, landing(m), true, 3f));

        GridWorld c = field(3);
        int trampled = 0;
        for (int i = 0; i < 1000; i++) {
            c.put(0, 1, 0, BlockIds.FARMLAND, 7);
            trampled += Trampling.landed(c, landing(c), false, 0.75f) ? 1 : 0;
        }
        assertTrue("a mob falling 0.75 tramples a quarter of the time: " + trampled, trampled > 180 && trampled < 320);
        GridWorld g = field(4);
        assertFalse("nothing when it lands beside", Trampling.landed(g, new RedstoneTest.Thing(g, 1.5, 1.9375, 0.5), true, 5f));

        GridWorld p = guarded(5);
        assertFalse("a step the plugins refuse tramples nothing", Trampling.landed(p, landing(p), false, 3f));
        assertEquals(BlockIds.FARMLAND, p.blockAt(0, 1, 0));
    }

    @Test
    public void waterPushesThingsAlongItsFlow() {
        GridWorld w = new GridWorld(5);
        w.setBlock(0, 1, 0, BlockIds.WATER, 0);
        w.run(100);
        assertEquals("the flow thins eastward", 1, w.metaAt(1, 1, 0));
        RedstoneTest.Thing t = new RedstoneTest.Thing(w, 2.5, 1.1, 0.5);
        assertTrue(WaterFlow.push(w, t, 2.375, 1.0, 0.375, 2.625, 1.25, 0.625));
        assertTrue("east, away from the source: " + t.motionX, t.motionX > 0.013 && t.motionX < 0.0141);
        assertEquals(0, t.motionZ, 1e-9);
        RedstoneTest.Thing s = new RedstoneTest.Thing(w, 0.5, 1.1, -2.5);
        assertTrue(WaterFlow.push(w, s, 0.375, 1.0, -2.625, 0.625, 1.25, -2.375));
        assertTrue("north: " + s.motionZ, s.motionZ < -0.013);
        RedstoneTest.Thing dry = new RedstoneTest.Thing(w, 20.5, 1.1, 0.5);
        assertFalse(WaterFlow.push(w, dry, 20.375, 1.0, 0.375, 20.625, 1.25, 0.625));
        assertEquals(0, dry.motionX, 0);
    }

    @Test
    public void rainPutsOutFireUnderTheOpenSkyAndSnowFallsWhereItIsCold() {
        GridWorld w = new GridWorld(6);
        w.put(0, 1, 0, BlockIds.LOG, 0);
        w.setBlock(0, 2, 0, BlockIds.FIRE, 0);
        w.raining = true;
        w.skyRaw = 15;
        w.run(50);
        assertEquals("out in the rain", BlockIds.AIR, w.blockAt(0, 2, 0));

        GridWorld d = new GridWorld(7);
        d.biome = 2; // desert: no rain
        d.put(0, 1, 0, BlockIds.LOG, 0);
        d.setBlock(0, 2, 0, BlockIds.FIRE, 0);
        d.raining = true;
        d.run(35);
        assertEquals("no rain in the desert", BlockIds.FIRE, d.blockAt(0, 2, 0));
        GridWorld r = new GridWorld(8);
        r.skyRaw = 12; // under a roof
        r.raining = true;
        assertFalse(Weathering.putsOut(r, 0, 2, 0));

        GridWorld s = new GridWorld(9);
        s.raining = true;
        s.biome = 12; // ice plains
        Weathering.snow(s, 0, 1, 0);
        assertEquals(BlockIds.SNOW_LAYER, s.blockAt(0, 1, 0));
        assertEquals(0, s.metaAt(0, 1, 0));
        s.put(1, 0, 0, BlockIds.ICE, 0);
        Weathering.snow(s, 1, 1, 0);
        assertEquals("not on ice", BlockIds.AIR, s.blockAt(1, 1, 0));
        s.biome = 1; // plains: rain, not snow
        Weathering.snow(s, 2, 1, 0);
        assertEquals(BlockIds.AIR, s.blockAt(2, 1, 0));
    }
}
